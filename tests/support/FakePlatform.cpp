#include "FakePlatform.h"

#include <gtest/gtest.h>

namespace quintara::test {

template <class T>
T FakePlatform::Answer(std::deque<T>& script, const std::string& dialog) {
    if (script.empty()) {
        ADD_FAILURE() << "unexpected " << dialog;
        return {};
    }
    T answer = std::move(script.front());
    script.pop_front();
    return answer;
}

template std::string FakePlatform::Answer(std::deque<std::string>&, const std::string&);
template bool FakePlatform::Answer(std::deque<bool>&, const std::string&);

void FakePlatform::ShowForm(ui::Form& form, ui::ShowMode mode) {
    showings.push_back({form.Name(), mode});
    if (mode != ui::ShowMode::Modal || m_modalSteps.empty()) {
        return;
    }
    if (m_modalSteps.front().first != form.Name()) {
        ADD_FAILURE() << form.Name() << " was shown modally while the script waits for "
                      << m_modalSteps.front().first;
        return;
    }
    auto steps = std::move(m_modalSteps.front().second);
    m_modalSteps.pop_front();
    steps(form);
}

}  // namespace quintara::test
