#include "frm_datei_lst.h"

#include "platform/application.h"
#include "platform/files/cp1252.h"
#include "platform/files/file_info.h"
#include "platform/files/text_file.h"
#include "platform/paths.h"
#include "platform/services/services.h"
#include "shared/animation/icon_animation.h"
#include "shared/caption_fit/caption_fit.h"
#include "shared/data_paths.h"
#include "shared/file_list/file_list_rules.h"

#include <algorithm>

namespace pendix {
namespace {

QString fromBytes(const std::string& bytes) { return platform::fromCp1252(bytes); }

// A path below the program folder as the list writes it ("\bmp\AutoOU.bmp").
QString inProgramFolder(const QString& relative) { return platform::programFolder() + relative; }

// Why the list cannot be shown; empty when it was read.
QString listFailureText(platform::FileFailure failure, const QString& path) {
    switch (failure) {
    case platform::FileFailure::None: return {};
    case platform::FileFailure::Missing: return QStringLiteral("Die Dateiliste „%1“ wurde nicht gefunden.").arg(path);
    case platform::FileFailure::IsFolder: return QStringLiteral("„%1“ ist ein Ordner, keine Dateiliste.").arg(path);
    case platform::FileFailure::IsPipe: return QStringLiteral("„%1“ ist eine Pipe, keine Dateiliste.").arg(path);
    case platform::FileFailure::IsDevice: return QStringLiteral("„%1“ ist ein Gerät, keine Dateiliste.").arg(path);
    case platform::FileFailure::TooLong:
        return QStringLiteral("Die Dateiliste „%1“ ist länger als %2 Bytes und wird nicht gelesen.")
            .arg(path)
            .arg(frmDateiLst::kListLimit.bytes);
    case platform::FileFailure::Unreadable:
        return QStringLiteral("Die Dateiliste „%1“ konnte nicht gelesen werden.").arg(path);
    }
    return {};
}

}  // namespace

frmDateiLst::frmDateiLst() {
    lstVerzeichnisse.onClick = [this] { lstVerzeichnisse_Click(); };
    lstDateien.onClick = [this] { lstDateien_Click(); };
    cmdOk.onClick = [this] { cmdOk_Click(); };
    Timer.onTimer = [this] { Timer_Timer(); };
}

void frmDateiLst::design() {
    setCaption(QStringLiteral("Datei - Info"));
    setFixedBorder(true);
    setCentered(true);
    setClientSize(6375, 3615);

    place(lstVerzeichnisse, {240, 240, 1815, 1815}).setToolTip(QStringLiteral("Wählen sie ein Verzeichnis."));
    place(lstDateien, {2280, 240, 1815, 1815}).setToolTip(QStringLiteral("Wählen sie eine Datei."));
    place(txtGröße, {4320, 720, 1815, 285}).setToolTip(QStringLiteral("Hier erfahren sie die Größe der Datei."));
    txtGröße.setLocked(true);
    place(lblGröße, {4320, 480, 1215, 255}).setCaption(QStringLiteral("Größe (in Bytes):"));
    place(lblErstelltam, {4320, 1200, 855, 255}).setCaption(QStringLiteral("Erstellt am:"));
    place(txtErstelltam, {4320, 1440, 1815, 285})
        .setToolTip(QStringLiteral("Hier erfahren sie, wann die Datei erstellt wurde."));
    txtErstelltam.setLocked(true);

    const QString countTip = QStringLiteral("Hier erfahren sie die Anzahl der im Programm verwendeten Dateien.");
    place(lblInsgesamteAnzahlderimProgrammverwendetenDateien, {240, 2280, 4215, 255})
        .setCaption(QStringLiteral("Insgesamte Anzahl der im Programm verwendeten Dateien:"));
    lblInsgesamteAnzahlderimProgrammverwendetenDateien.setToolTip(countTip);
    place(lblIAdiPvD, {4560, 2280, 1575, 255}).setToolTip(countTip);

    const QString sizeTip = QStringLiteral("Hier erfahren sie die Insgesamte Programmgröße.");
    place(lblInsgesmmteProgrammgröße, {240, 2520, 4215, 255}).setCaption(QStringLiteral("Insgesamte Programmgröße:"));
    lblInsgesmmteProgrammgröße.setToolTip(sizeTip);
    place(lblIP, {4560, 2520, 1575, 255}).setToolTip(sizeTip);

    // The captions get the room that the installed font needs; the two totals
    // keep their right edge and stand clear of the longer caption.
    for (platform::Label* caption :
         {&lblGröße, &lblErstelltam, &lblInsgesamteAnzahlderimProgrammverwendetenDateien, &lblInsgesmmteProgrammgröße})
        widenToFitCaption(*caption);
    const int captionEnd = std::max(lblInsgesamteAnzahlderimProgrammverwendetenDateien.left() +
                                        lblInsgesamteAnzahlderimProgrammverwendetenDateien.width(),
                                    lblInsgesmmteProgrammgröße.left() + lblInsgesmmteProgrammgröße.width());
    const int totalsLeft = std::max(lblIAdiPvD.left(), captionEnd + 105);
    for (platform::Label* total : {&lblIAdiPvD, &lblIP})
        total->move({totalsLeft, total->top(), total->left() + total->width() - totalsLeft, total->height()});

    place(cmdOk, {2640, 3000, 1095, 375});
    cmdOk.setCaption(QStringLiteral("OK"));
    cmdOk.setToolTip(QStringLiteral("Klicken sie hier, um zum Haupt - Programm zurück zu kehren."));
    cmdOk.setDefault(true);
    cmdOk.setCancel(true);

    place(Timer);
    Timer.setInterval(100);
    Timer.setEnabled(true);
}

void frmDateiLst::Form_Load() {
    platform::setWaitCursor();
    const QString listPath = inProgramFolder(QString::fromLatin1(kFileList));
    platform::TextFileRead read = platform::readTextFile(listPath, kListLimit);
    // A list that cannot be read shows as an empty one, with totals of 0 and 0.
    ListLines = std::move(read.lines);
    ListSections = sectionNames(ListLines);
    for (const auto& section : ListSections) lstVerzeichnisse.addItem(fromBytes(section));
    ShowTotals();
    lstVerzeichnisse.setFocus();
    platform::setDefaultCursor();
    if (!read.ok())
        platform::messageBox(listFailureText(read.failure, platform::resolvePath(listPath)),
                             platform::MsgBoxStyle::Exclamation, QStringLiteral("Datei - Info"));
}

void frmDateiLst::ShowTotals() {
    // A listed file that is missing counts with 0 bytes.
    FileTotals totals;
    for (const auto& path : listedFilePaths(ListLines))
        totals.add(platform::fileLength(inProgramFolder(fromBytes(path))).value_or(0));
    FileCount = totals.fileCount;
    TotalBytes = totals.totalBytes;
    lblIAdiPvD.setCaption(QString::number(FileCount));
    lblIP.setCaption(QString::number(TotalBytes));
}

void frmDateiLst::lstVerzeichnisse_Click() {
    platform::setWaitCursor();
    lstDateien.clear();
    const int chosen = lstVerzeichnisse.listIndex();
    if (chosen >= 0 && chosen < static_cast<int>(ListSections.size()))
        for (const auto& file : filesOfFolder(ListLines, ListSections[chosen])) lstDateien.addItem(fromBytes(file));
    platform::setDefaultCursor();
}

void frmDateiLst::lstDateien_Click() {
    platform::setWaitCursor();
    const int folder = lstVerzeichnisse.listIndex();
    const int file = lstDateien.listIndex();
    if (folder >= 0 && file >= 0) {
        const QString path =
            inProgramFolder(lstVerzeichnisse.list(folder) + QStringLiteral("\\") + lstDateien.list(file));
        const auto length = platform::fileLength(path);
        const auto changed = platform::fileLastChange(path);
        txtGröße.setText(QString::number(length.value_or(0)));
        txtErstelltam.setText(changed ? platform::generalDateText(*changed) : QStringLiteral("Datei fehlt"));
    }
    platform::setDefaultCursor();
}

void frmDateiLst::cmdOk_Click() { unload(); }

void frmDateiLst::Timer_Timer() { AnimateIcon(*this, IconStep); }

void showFileList() {
    platform::setWaitCursor();
    platform::instance<frmDateiLst>().show();
    platform::setDefaultCursor();
}

}  // namespace pendix
