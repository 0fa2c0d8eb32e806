#include "tests/support/test_services.h"

#include "platform/controls/menu_item.h"
#include "platform/form.h"

namespace test_support {
namespace {

int firstButtonOf(int style) {
    switch (style & 7) {
    case platform::MsgBoxStyle::AbortRetryIgnore: return platform::MsgBoxResult::Abort;
    case platform::MsgBoxStyle::YesNoCancel:
    case platform::MsgBoxStyle::YesNo: return platform::MsgBoxResult::Yes;
    case platform::MsgBoxStyle::RetryCancel: return platform::MsgBoxResult::Retry;
    default: return platform::MsgBoxResult::Ok;
    }
}

}  // namespace

int RecordingMessageBox::show(const QString& text, int style, const QString& title) {
    shown.push_back({text, style, title});
    if (answers.empty()) return firstButtonOf(style);
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

QString RecordingInputBox::ask(const QString& prompt, const QString& title, const QString& defaultText) {
    asked.push_back({prompt, title, defaultText});
    if (answers.empty()) return {};
    QString answer = answers.front();
    answers.pop_front();
    return answer;
}

std::vector<QString> RecordingWavePlayer::played() const {
    std::vector<QString> files;
    QString fileName;
    for (const auto& operation : operations) {
        if (operation.name == u"FileName") fileName = operation.value;
        if (operation.name == u"Play") files.push_back(fileName);
    }
    return files;
}

void ScriptedModalLoop::runModal(platform::Form& form) {
    shownModal.push_back(&form);
    form.show();
    if (script.empty()) return;
    auto user = std::move(script.front());
    script.pop_front();
    user(form);
}

void ScriptedModalLoop::popupMenu(platform::MenuItem& menu) {
    popups.push_back(menu.caption());
    if (popupChoice) popupChoice(menu);
}

}  // namespace test_support
