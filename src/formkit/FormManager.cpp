#include "formkit/FormManager.h"

#include <algorithm>

#include "formkit/Platform.h"

namespace quintara::ui {

FormManager::~FormManager() {
    m_unloaded.clear();
    // The windows go first, so that a renderer never meets a form that no longer exists.
    while (!m_forms.empty()) {
        std::unique_ptr<Form> form = std::move(m_forms.back().form);
        m_forms.pop_back();
        form->m_unloaded = true;
        m_desktop.UnloadForm(*form);
    }
}

Form* FormManager::Find(std::string_view name) const {
    for (const auto& entry : m_forms) {
        if (entry.form->Name() == name) {
            return entry.form.get();
        }
    }
    return nullptr;
}

std::vector<Form*> FormManager::Forms() const {
    std::vector<Form*> forms;
    for (const auto& entry : m_forms) {
        forms.push_back(entry.form.get());
    }
    return forms;
}

void FormManager::UnloadAll() {
    ReactionScope scope(this);
    auto forms = Forms();
    for (auto form = forms.rbegin(); form != forms.rend(); ++form) {
        (*form)->Unload();
    }
}

void FormManager::Adopt(std::type_index type, std::unique_ptr<Form> form) {
    Form& adopted = *form;
    adopted.m_manager = this;
    m_forms.push_back({type, std::move(form)});
    adopted.Raise(adopted.onLoad);
}

void FormManager::Forget(Form& form) {
    auto entry = std::find_if(m_forms.begin(), m_forms.end(),
                              [&form](const Entry& candidate) { return candidate.form.get() == &form; });
    if (entry == m_forms.end()) {
        return;
    }
    m_unloaded.push_back(std::move(entry->form));
    m_forms.erase(entry);
    if (m_forms.empty() && onLastUnloaded) {
        onLastUnloaded();
    }
    if (m_reactionDepth == 0) {
        DestroyUnloaded();
    }
}

void FormManager::DestroyUnloaded() {
    auto doomed = std::move(m_unloaded);
    m_unloaded.clear();
}

FormManager::ReactionScope::ReactionScope(FormManager* manager) : m_manager(manager) {
    if (m_manager != nullptr) {
        ++m_manager->m_reactionDepth;
    }
}

FormManager::ReactionScope::~ReactionScope() {
    if (m_manager != nullptr && --m_manager->m_reactionDepth == 0) {
        m_manager->DestroyUnloaded();
    }
}

}  // namespace quintara::ui
