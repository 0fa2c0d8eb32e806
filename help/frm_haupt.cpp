#include "help/frm_haupt.h"

#include "help/help_topics.h"
#include "help/pictures/window_pictures.h"
#include "platform/services/services.h"
#include "shared/first_start/first_start_probe.h"
#include "shared/help/help_call.h"

namespace pendix::hilfe {

frmHaupt::frmHaupt() {
    Liste.onClick = [this] { Liste_Click(); };
}

void frmHaupt::design() {
    setCaption(QStringLiteral("Hilfe"));
    setIcon(windowIcon());
    setClientSize(8070, 5685);
    setFixedBorder(true);
    setCentered(true);

    platform::PictureBox* const corners[] = {&Picture1, &Picture2, &Picture3, &Picture4};
    const platform::Rect places[] = {
        {0, 0, 1230, 1230}, {6840, 0, 1230, 1230}, {0, 4440, 1230, 1230}, {6840, 4440, 1230, 1230}};
    for (int i = 0; i < 4; ++i) {
        place(*corners[i], places[i]);
        corners[i]->setPicture(cornerPicture(i + 1));
    }

    place(Liste, {1800, 1920, 4575, 1860});
    Liste.setFont({QStringLiteral("MS Sans Serif"), 13.5});
    for (const HelpTopic& topic : kHelpTopics)
        Liste.addItem(QString::fromUtf8(topic.entry.data(), static_cast<qsizetype>(topic.entry.size())));

    place(Command, {-120, 0, 8295, 1335});
    Command.setCaption(QStringLiteral("Wählen sie ein Hilfethema aus der Liste:"));
    Command.setFont({QStringLiteral("Arial"), 14.25});
    Command.setPicture(headingPicture());

    place(CommonDialog);

    // The heading is taller than the upper corner pictures and would hide them.
    Picture1.bringToFront();
    Picture2.bringToFront();
}

void frmHaupt::Form_Load() { passesFirstStartProbe(*this, nullptr); }

void frmHaupt::Liste_Click() {
    platform::setWaitCursor();
    // The list keeps the keyboard, so the arrow keys go on from topic to topic.
    if (const HelpTopic* topic = helpTopicAt(Liste.listIndex()))
        showHelpFile(CommonDialog, topic->file, platform::HelpKeyboard::StaysWithAsker);
    platform::setDefaultCursor();
}

// The program's only window: the help viewer, a window of its own, must not keep
// the program running once the list is gone.
void frmHaupt::Form_Unload(int&) { platform::endProgram(); }

}  // namespace pendix::hilfe
