// Message box and input box on Qt's dialogs, with German button texts.
#include "qt_services.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>

#include <algorithm>
#include <vector>

namespace platform {
namespace {

struct ButtonSpec {
    const char* text;
    int result;
    QMessageBox::ButtonRole role;
};

std::vector<ButtonSpec> buttonsOf(int style) {
    using R = MsgBoxResult;
    switch (style & 7) {
    case MsgBoxStyle::OkCancel:
        return {{"OK", R::Ok, QMessageBox::AcceptRole}, {"Abbrechen", R::Cancel, QMessageBox::RejectRole}};
    case MsgBoxStyle::AbortRetryIgnore:
        return {{"Abbrechen", R::Abort, QMessageBox::RejectRole},
                {"Wiederholen", R::Retry, QMessageBox::AcceptRole},
                {"Ignorieren", R::Ignore, QMessageBox::AcceptRole}};
    case MsgBoxStyle::YesNoCancel:
        return {{"Ja", R::Yes, QMessageBox::YesRole},
                {"Nein", R::No, QMessageBox::NoRole},
                {"Abbrechen", R::Cancel, QMessageBox::RejectRole}};
    case MsgBoxStyle::YesNo: return {{"Ja", R::Yes, QMessageBox::YesRole}, {"Nein", R::No, QMessageBox::NoRole}};
    case MsgBoxStyle::RetryCancel:
        return {{"Wiederholen", R::Retry, QMessageBox::AcceptRole}, {"Abbrechen", R::Cancel, QMessageBox::RejectRole}};
    default: return {{"OK", R::Ok, QMessageBox::AcceptRole}};
    }
}

// The width a window frame needs to show `title` whole: the title in a usual
// desktop title font (bold, at least 11 pt of the application's family) beside
// the frame's icon and its three buttons. Qt's own allowance measures the title
// in the normal text font with 50 pixels to spare, and window managers cut it.
int widthForTitle(const QString& title, const QWidget& box) {
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPointSizeF(std::max(font.pointSizeF(), 11.0));
    constexpr int kFramePieces = 4 * 24 + 2 * 16;  // icon, minimise, maximise, close, the frame's ends
    const int wanted = QFontMetrics(font).horizontalAdvance(title) + kFramePieces;
    const QScreen* screen = box.screen();
    return screen ? std::min(wanted, screen->availableGeometry().width()) : wanted;
}

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
    case MsgBoxStyle::Critical: return QMessageBox::Critical;
    case MsgBoxStyle::Question: return QMessageBox::Question;
    case MsgBoxStyle::Exclamation: return QMessageBox::Warning;
    case MsgBoxStyle::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

}  // namespace

int QtMessageBox::show(const QString& text, int style, const QString& title) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');  // the windows break lines with carriage returns alone

    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(shown);
    box.setIcon(iconOf(style));

    const std::vector<ButtonSpec> specs = buttonsOf(style);
    std::vector<QPushButton*> buttons;
    for (const auto& spec : specs) buttons.push_back(box.addButton(QString::fromUtf8(spec.text), spec.role));
    const std::size_t defaultIndex = static_cast<std::size_t>((style >> 8) & 3);
    box.setDefaultButton(buttons[defaultIndex < buttons.size() ? defaultIndex : 0]);
    // Esc and the close box give Cancel where there is one, else the only button.
    std::size_t escapeIndex = buttons.size() == 1 ? 0 : buttons.size();
    for (std::size_t i = 0; i < specs.size(); ++i)
        if (specs[i].result == MsgBoxResult::Cancel) escapeIndex = i;
    if (escapeIndex < buttons.size()) box.setEscapeButton(buttons[escapeIndex]);
    // The box fixes its size from its layout's least width when it shows, so the
    // title's width goes in as a strip across the layout.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(widthForTitle(title, box), 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());

    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i]) return specs[i].result;
    return escapeIndex < specs.size() ? specs[escapeIndex].result : specs.front().result;
}

QString QtInputBox::ask(const QString& prompt, const QString& title, const QString& defaultText) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.textValue();
}

}  // namespace platform
