#pragma once

#include <functional>
#include <memory>
#include <string_view>
#include <typeindex>
#include <utility>
#include <vector>

#include "formkit/Form.h"

namespace quintara::ui {

class Platform;

// Holds every form of the program at most once: made and loaded on first use, forgotten when unloaded.
class FormManager {
public:
    explicit FormManager(Platform& desktop) : m_desktop(desktop) {}
    FormManager(const FormManager&) = delete;
    FormManager& operator=(const FormManager&) = delete;
    // Destroys the forms still loaded without raising their unload reactions.
    ~FormManager();

    // The loaded form of type F, or a new one made from args whose load reaction has run.
    template <class F, class... Args>
    F& Get(Args&&... args) {
        if (F* form = Find<F>()) {
            return *form;
        }
        auto form = std::make_unique<F>(std::forward<Args>(args)...);
        F& result = *form;
        Adopt(typeid(F), std::move(form));
        return result;
    }

    template <class F>
    F* Find() const {
        for (const auto& entry : m_forms) {
            if (entry.type == typeid(F)) {
                return static_cast<F*>(entry.form.get());
            }
        }
        return nullptr;
    }
    Form* Find(std::string_view name) const;
    // The loaded forms, in the order they were loaded.
    std::vector<Form*> Forms() const;
    // Unloads every form, the newest first.
    void UnloadAll();

    Platform& Desktop() const { return m_desktop; }

    // Runs after the last loaded form was unloaded (the Qt front end quits then).
    std::function<void()> onLastUnloaded;

    // Held while a reaction runs; when the outermost one ends, the forms unloaded meanwhile are destroyed.
    class ReactionScope {
    public:
        explicit ReactionScope(FormManager* manager);
        ReactionScope(const ReactionScope&) = delete;
        ReactionScope& operator=(const ReactionScope&) = delete;
        ~ReactionScope();

    private:
        FormManager* m_manager;
    };

private:
    friend class Form;

    struct Entry {
        std::type_index type;
        std::unique_ptr<Form> form;
    };

    void Adopt(std::type_index type, std::unique_ptr<Form> form);
    void Forget(Form& form);
    void DestroyUnloaded();

    Platform& m_desktop;
    std::vector<Entry> m_forms;
    std::vector<std::unique_ptr<Form>> m_unloaded;
    int m_reactionDepth = 0;
};

}  // namespace quintara::ui
