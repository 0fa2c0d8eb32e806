#include "frm_beginn.h"

#include "platform/paths.h"
#include "platform/services/services.h"
#include "shared/caption_fit/caption_fit.h"
#include "shared/first_start/welcome_icon.h"

namespace pendix {

frmBeginn::frmBeginn() {
    cmdOk.onClick = [this] { cmdOk_Click(); };
}

QString frmBeginn::installerPath() { return platform::programFolder() + QStringLiteral("\\tavrik.exe"); }

void frmBeginn::design() {
    setCaption(QStringLiteral("Erster Start"));
    setFixedBorder(true);
    setCentered(true);
    setClientSize(6495, 3195);

    place(lblWillkommen, {1800, 360, 3015, 615});
    lblWillkommen.setCaption(QStringLiteral("Willkommen!"));
    lblWillkommen.setAlignment(platform::Alignment::Center);
    lblWillkommen.setFont({.name = QStringLiteral("Arial"), .size = 26.25});
    lblWillkommen.setForeColor(QColor(0, 64, 0));

    place(Label1, {960, 1320, 4575, 255});
    Label1.setCaption(QStringLiteral("Sie starten Pendix, den Editor zu Pendix oder die Hilfe das 1. Mal."));

    place(Label2, {1080, 1680, 4335, 495});
    Label2.setCaption(QStringLiteral(
        "Klicken sie auf OK, um den Installer / Uninstaller zu starten, der die Installation verwollständigt."));
    Label2.setAlignment(platform::Alignment::Center);

    place(cmdOk, {2760, 2520, 975, 375});
    cmdOk.setCaption(QStringLiteral("OK"));
    cmdOk.setToolTip(QStringLiteral("Klicken sie hier, um den Installer / Uninstaller zu starten"));

    // The one-line captions get the room that the installed fonts need.
    widenToFitCaption(lblWillkommen);
    widenToFitCaption(Label1);
}

void frmBeginn::Form_Load() {
    // A fixed icon of its own: the animated frames are part of the missing data.
    setIcon(welcomeIcon());
}

void frmBeginn::cmdOk_Click() {
    const QString installer = installerPath();
    if (!platform::startProgram(installer)) {
        platform::messageBox(QStringLiteral("Der Installer „%1“ konnte nicht gestartet werden.\r\r"
                                            "Das Programm wird jetzt beendet.")
                                 .arg(platform::resolvePath(installer)),
                             platform::MsgBoxStyle::Exclamation, QStringLiteral("Erster Start"));
    }
    platform::endProgram();
}

void frmBeginn::Form_Unload(int&) { platform::endProgram(); }

}  // namespace pendix
