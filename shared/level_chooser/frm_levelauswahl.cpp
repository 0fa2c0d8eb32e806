#include "frm_levelauswahl.h"

#include "platform/main_form.h"
#include "platform/paths.h"
#include "shared/animation/icon_animation.h"
#include "shared/data_paths.h"

namespace pendix {

frmLevelauswahl::frmLevelauswahl() {
    dirVerzeichnisse.onChange = [this] { dirVerzeichnisse_Change(); };
    drvLaufwerke.onChange = [this] { FollowDrive(); };
    filDateien.onClick = [this] { filDateien_Click(); };
    filDateien.onDblClick = [this] { filDateien_DblClick(); };
    cmdOk.onClick = [this] { cmdOk_Click(); };
    cmdAbbrechen.onClick = [this] { cmdAbbrechen_Click(); };
    Timer.onTimer = [this] { Timer_Timer(); };
}

void frmLevelauswahl::design() {
    setCaption(QStringLiteral("Levelauswahl"));
    setFixedBorder(true);
    setCentered(true);
    setClientSize(5775, 6015);

    // Placed in tab order.
    const QString pattern = QStringLiteral("*") + QString::fromLatin1(kLevelFileEnding);
    place(filDateien, {3120, 840, 2295, 3600});
    filDateien.setPattern(pattern);
    filDateien.setToolTip(QStringLiteral("Hier können das Level aus dem aktuellen Verzeichnis wählen."));

    place(dirVerzeichnisse, {360, 840, 2295, 3690});
    dirVerzeichnisse.setToolTip(QStringLiteral("Wählen sie hier das Verzeichnis aus."));

    place(drvLaufwerke, {360, 360, 2295, 315});
    drvLaufwerke.setToolTip(QStringLiteral("Wählen sie hier das Laufwerk aus."));

    place(lblPfad, {360, 4800, 5055, 255});
    lblPfad.setToolTip(QStringLiteral("Hier wird die aktuell angewählte Datei mit Verzeichnis nochmal angezeigt."));

    place(cmdOk, {360, 5280, 2295, 375});
    cmdOk.setCaption(QStringLiteral("OK"));
    cmdOk.setDefault(true);
    cmdOk.setToolTip(QStringLiteral("Klicken sie hier, um das Level zu laden."));

    place(cmdAbbrechen, {3120, 5280, 2295, 375});
    cmdAbbrechen.setCaption(QStringLiteral("Abbrechen"));
    cmdAbbrechen.setCancel(true);
    cmdAbbrechen.setToolTip(QStringLiteral("Klicken sie hier, um abzubrechen."));

    place(lblFilter, {3120, 360, 2295, 255});
    lblFilter.setCaption(QStringLiteral("Filter: ") + pattern);
    lblFilter.setToolTip(QStringLiteral("Hier wird der Datei - Filter angezeigt, der verwendet wird."));

    place(Timer);
    Timer.setInterval(100);
    Timer.setEnabled(true);
}

void frmLevelauswahl::Form_Load() {
    // A missing start folder shows its nearest existing parent (the folder list's own rule).
    dirVerzeichnisse.setPath(platform::programFolder() + QStringLiteral("\\LVLNEU"));
    // Already standing there raises no change; the lists and the label must follow all the same.
    if (lblPfad.caption().isEmpty()) dirVerzeichnisse_Change();
}

void frmLevelauswahl::Form_Show() {
    const QString picked = filDateien.fileName();
    dirVerzeichnisse.refresh();  // a folder gone meanwhile: its parent, and the lists and label follow
    filDateien.refresh();
    // A picked file gone meanwhile is picked no more: the label must not hand it back.
    if (filDateien.fileName() != picked) UpdatePathLabel();
}

void frmLevelauswahl::dirVerzeichnisse_Change() {
    filDateien.setPath(dirVerzeichnisse.path());
    UpdatePathLabel();
}

void frmLevelauswahl::FollowDrive() { dirVerzeichnisse.setPath(drvLaufwerke.drive()); }

void frmLevelauswahl::filDateien_Click() { UpdatePathLabel(); }

void frmLevelauswahl::filDateien_DblClick() {
    UpdatePathLabel();
    cmdOk_Click();
}

void frmLevelauswahl::UpdatePathLabel() {
    const QString folder = dirVerzeichnisse.path();
    const QString file = filDateien.fileName();
    // A root folder already ends in the separator.
    lblPfad.setCaption(folder.endsWith(platform::kPathSeparator) ? folder + file
                                                                 : folder + platform::kPathSeparator + file);
}

void frmLevelauswahl::cmdOk_Click() {
    if (platform::Form* main = platform::mainForm()) main->setTag(lblPfad.caption());
    int cancel = 0;
    Form_Unload(cancel);
}

void frmLevelauswahl::cmdAbbrechen_Click() {
    if (platform::Form* main = platform::mainForm()) main->setTag(QString());
    int cancel = 0;
    Form_Unload(cancel);
}

void frmLevelauswahl::Form_Unload(int& cancel) {
    cancel = 1;
    hide();
}

void frmLevelauswahl::Timer_Timer() { AnimateIcon(*this, IconStep); }

}  // namespace pendix
