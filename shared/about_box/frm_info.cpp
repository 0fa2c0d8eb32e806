#include "frm_info.h"

#include "platform/application.h"
#include "platform/picture.h"
#include "platform/services/services.h"
#include "shared/about_box/product_version.h"
#include "shared/animation/icon_animation.h"
#include "shared/caption_fit/caption_fit.h"

#include <QCursor>

namespace pendix {
namespace {

constexpr int kWebLink = 1, kMailLink = 2;
const QColor kLinkColor(0, 0, 255);
const QColor kLinkPressedColor(128, 0, 0);

platform::Font font(const char* name, double size, bool underline = false) {
    platform::Font f;
    f.name = QString::fromLatin1(name);
    f.size = size;
    f.underline = underline;
    return f;
}

QString versionText() { return QStringLiteral("%1.%2").arg(kVersionMajor).arg(kVersionMinor); }

QString withoutScheme(const QString& link) {
    const int colon = link.indexOf(QStringLiteral("://"));
    return colon < 0 ? link : link.mid(colon + 3);
}

bool isLink(int index) { return index == kWebLink || index == kMailLink; }

}  // namespace

ProductTitle gameProductTitle() { return {QStringLiteral("Pendix"), 1575}; }
ProductTitle editorProductTitle() { return {QStringLiteral("Editor zu Pendix"), 3975}; }

frmInfo::frmInfo() {
    Timer.onTimer = [this] { Timer_Timer(); };
    cmdOk.onClick = [this] { cmdOk_Click(); };
    lbl.onClick = [this](int index) { lbl_Click(index); };
    lbl.onMouseDown = [this](int index, int button, int shift, double x, double y) {
        lbl_MouseDown(index, button, shift, x, y);
    };
    lbl.onMouseUp = [this](int index, int button, int shift, double x, double y) {
        lbl_MouseUp(index, button, shift, x, y);
    };
}

void frmInfo::design() {
    setCaption(QStringLiteral("Info"));
    setFixedBorder(true);
    setCentered(true);
    setClientSize(6135, 8655);
    // The track's boxes lie above the lines they enclose, whose boxes reach under them.
    designLabels();
    designTrack();

    place(cmdOk, {2520, 7920, 1095, 375});
    cmdOk.setCaption(QStringLiteral("OK"));
    cmdOk.setDefault(true);
    cmdOk.setToolTip(QStringLiteral("Klicken sie hier, um zum Haupt - Programm zurück zu kehren."));

    place(Timer);
    Timer.setInterval(100);
    Timer.setEnabled(true);
}

void frmInfo::designTrack() {
    for (int cell = 0; cell < kTrackCells; ++cell) {
        const TrackPosition at = trackPosition(cell);
        place(Picture[cell], {at.left, at.top, kTrackBoxSize, kTrackBoxSize});
        Picture[cell].setBackColor(QColor(0, 128, 0));  // the cars' own green: the track reads as one band
    }
}

void frmInfo::designLabels() {
    const QColor orange(255, 128, 0);
    // Every line is centred on the window; the track's width is what they share.
    const int titleLeft = (clientWidth() - productTitle_.width) / 2;
    place(Label1, {titleLeft, 960, productTitle_.width, 615});
    Label1.setCaption(productTitle_.text);
    Label1.setFont(font("Arial", 27.75, true));
    Label1.setForeColor(orange);
    Label1.setAlignment(platform::Alignment::Center);

    auto& version = place(lbl.add(0), {600, 1560, 4935, 255});
    version.setCaption(QStringLiteral("Version "));
    version.setFont(font("MS Sans Serif", 12));
    version.setForeColor(orange);

    place(lblCopyright, {2040, 1920, 2055, 375});
    lblCopyright.setCaption(QStringLiteral("© 2026 Pendix-Team"));
    lblCopyright.setFont(font("MS Sans Serif", 13.5));
    lblCopyright.setForeColor(QColor(192, 64, 0));
    lblCopyright.setAlignment(platform::Alignment::Center);

    place(lblAutor, {1440, 2400, 3255, 375});
    lblAutor.setCaption(QStringLiteral("Vom Pendix-Team"));
    lblAutor.setFont(font("MS Sans Serif", 13.5));
    lblAutor.setForeColor(QColor(128, 64, 0));

    for (int index : {kWebLink, kMailLink}) {
        auto& link = place(lbl.add(index), {600, index == kWebLink ? 2760 : 3120, 4935, 375});
        link.setFont(font("Arial", 12, true));
        link.setForeColor(kLinkColor);
        link.setBackColor(QColor(192, 192, 192));
    }
    lbl(kWebLink).setCaption(withoutScheme(QString::fromLatin1(kContactWeb)));
    lbl(kWebLink).setMousePointer(QCursor(Qt::PointingHandCursor));
    lbl(kMailLink).setCaption(QString::fromLatin1(kContactMail));

    const struct {
        int index, top, height;
        const char* text;
    } contact[] = {
        {3, 3480, 255, "Oder schreiben sie mir:"},
        {4, 3720, 255, "Pendix-Team"},
        {5, 3960, 255, "Musterstraße 1"},
        {6, 4200, 255, "12345 Musterstadt"},
    };
    for (const auto& line : contact) {
        auto& label = place(lbl.add(line.index), {600, line.top, 4935, line.height});
        label.setCaption(QString::fromUtf8(line.text));
        label.setFont(font("Arial", 12));
    }
    auto& comments = place(lbl.add(7), {600, 4560, 4935, 615});
    comments.setCaption(QStringLiteral("Ich freue mich auf ihre Kommentare und Anregungen."));
    comments.setFont(font("MS Sans Serif", 12));

    place(lbl.add(25), {360, 6120, 5415, 615})
        .setCaption(QStringLiteral("Pendix ist Freeware: Sie dürfen es kostenlos benutzen und unverändert "
                                   "weitergeben. Verkaufen dürfen sie es nicht."));
    place(lbl.add(26), {360, 6840, 5415, 855})
        .setCaption(QStringLiteral("Die Benutzung geschieht auf eigene Gefahr. Für Schäden, die durch die "
                                   "Benutzung dieses Programms entstehen, wird keine Haftung übernommen."));

    for (int index : lbl.indices()) lbl(index).setAlignment(platform::Alignment::Center);
    // The one-line captions get the room that the installed fonts need.
    for (platform::Label* label : {&Label1, &lblCopyright, &lblAutor}) widenToFitCaption(*label);
    for (int index : {0, 1, 2, 3, 4, 5, 6}) widenToFitCaption(lbl(index));
}

void frmInfo::Form_Load() {
    showCars(0);
    AnimStep = 1;
    lbl(kMailLink).setMousePointer(lbl(kWebLink).mousePointer());
    lbl(0).setCaption(lbl(0).caption() + versionText());
}

void frmInfo::showCars(int offset) {
    for (int cell : carCells(offset)) Picture[cell].setPicture(platform::loadPicture(trackCarBitmap(cell)));
}

void frmInfo::emptyCars(int offset) {
    for (int cell : carCells(offset)) Picture[cell].setPicture(platform::Picture{});
}

void frmInfo::AnimateCars() {
    // Step s moves every car from cell s - 1 + 7k to s + 7k; step 7 closes the lap at 0 + 7k.
    const int step = AnimStep >= 1 && AnimStep <= kCarSpacing ? AnimStep : 1;
    emptyCars(step - 1);
    showCars(step % kCarSpacing);
    AnimStep = static_cast<std::int16_t>(step % kCarSpacing + 1);
}

void frmInfo::Timer_Timer() {
    AnimateIcon(*this, IconStep);
    AnimateCars();
}

QString frmInfo::webLink() const { return QString::fromLatin1(kContactWeb); }

QString frmInfo::mailLink() const {
    return QStringLiteral("mailto:") + QString::fromLatin1(kContactMail) + QStringLiteral("?Subject=") +
           productTitle_.text + QStringLiteral(" v") + versionText();
}

void frmInfo::lbl_Click(int index) {
    if (index == kWebLink) platform::openLink(webLink());
    if (index == kMailLink) platform::openLink(mailLink());
}

void frmInfo::lbl_MouseDown(int index, int, int, double, double) {
    if (isLink(index)) lbl(index).setForeColor(kLinkPressedColor);
}

void frmInfo::lbl_MouseUp(int index, int, int, double, double) {
    if (isLink(index)) lbl(index).setForeColor(kLinkColor);
}

void frmInfo::cmdOk_Click() { unload(); }

void showAboutBox(const ProductTitle& title) {
    platform::setWaitCursor();
    auto& info = platform::instance<frmInfo>();
    info.setProductTitle(title);
    info.show();
    platform::setDefaultCursor();
}

}  // namespace pendix
