// The help viewer as a user meets it: a page read within its bound, pictures and
// style sheets only from the help folder, the links a page offers clicked with the
// mouse, and the window beside the one that asked for it, with the page's title
// and that window's icon.
#include "platform/application.h"
#include "platform/controls/common_dialog.h"
#include "platform/form.h"
#include "platform/paths.h"
#include "platform/picture.h"
#include "platform/services/qt_services.h"
#include "platform/services/window_beside.h"
#include "tests/support/peak_memory.h"
#include "tests/support/printers.h"
#include "tests/support/program_folder.h"
#include "tests/support/test_services.h"
#include "tests/support/untouched_files.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace platform;

namespace {

using test_support::ProgramFolder;

class frmFrage : public Form {
public:
    platform::CommonDialog CommonDialog;

protected:
    void design() override {
        setCaption("Frage");
        setClientSize(1500, 1500);  // 100 x 100 pixels
        setIcon(drawnPicture("frmFrage.Icon", [] {
            QPixmap icon(32, 32);
            icon.fill(Qt::yellow);
            return icon;
        }()));
        place(CommonDialog);
    }
};

QByteArray page(const char* title, const char* body) {
    return QByteArray("<html><head><meta charset=\"utf-8\"><title>") + title + "</title></head><body>" + body +
           "</body></html>";
}

QImage filled(QColor colour) {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

class HelpViewerTest : public testing::Test {
protected:
    ~HelpViewerTest() override { dropInstances(); }

    QString path(const char* relative) const { return folder.path() + u'/' + QString::fromUtf8(relative); }
    void write(const char* relative, const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // As the programs ask for it: the program folder followed by a data path.
    void show(const char* dataPath, const HelpAsker& asker = {}) {
        viewer.show(resolvePath(programFolder() + dataPath), CommonDialog::kHelpContents, asker);
    }
    QString shown() const { return viewer.browser()->toPlainText(); }
    QString title() const { return viewer.window()->windowTitle(); }
    // A left click on the link whose text is `text`, where it stands in the window.
    void clickLink(const QString& text) {
        QTextBrowser* browser = viewer.browser();
        const QTextCursor found = browser->document()->find(text);
        ASSERT_FALSE(found.isNull()) << text.toStdString();
        QTextCursor inside(browser->document());
        inside.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(inside).center());
    }
    // How many pixels of the viewer's page show `colour`.
    int pixelsOf(QColor colour) const {
        const QImage face = viewer.browser()->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int count = 0;
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x) count += face.pixelColor(x, y) == colour;
        return count;
    }

    ProgramFolder folder{ProgramFolder::Contents::Nothing};
    test_support::ScopedTestServices fakes;
    QtHelpViewer viewer;
    test_support::UntouchedFiles untouched;
};

TEST_F(HelpViewerTest, AFileThatHoldsNoPageIsNamedWithItsProblemAtOnce) {
    write("hilfe/leer.hlp", {});
    QDir().mkpath(path("hilfe/ordner.hlp"));
    ASSERT_TRUE(QFile::link("/dev/zero", path("hilfe/null.hlp")));
    untouched.makePipe(path("hilfe/pipe.hlp"));
    // 40 MB: far more than a page, read only up to the bound (a sparse file costs no disk).
    write("hilfe/riesig.hlp", page("Riesig", "<p>Anfang</p>"));
    ASSERT_EQ(::truncate(QFile::encodeName(path("hilfe/riesig.hlp")).constData(), 40 << 20), 0);

    const struct {
        const char* file;
        const char* problem;
    } cases[] = {
        {"\\hilfe\\fehlt.hlp", "wurde nicht gefunden."},
        {"\\hilfe\\leer.hlp", "ist leer."},
        {"\\hilfe\\ordner.hlp", "ist ein Ordner, keine gewöhnliche Datei."},
        {"\\hilfe\\null.hlp", "ist ein Gerät, keine gewöhnliche Datei."},
        {"\\hilfe\\pipe.hlp", "ist eine Pipe, keine gewöhnliche Datei."},
        {"\\hilfe\\riesig.hlp", "ist länger als 8388608 Bytes und wird nicht gelesen."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const test_support::PeakMemory memory;
        show(c.file);
        const QString file = resolvePath(programFolder() + c.file);
        EXPECT_EQ(shown(), QStringLiteral("Die Hilfedatei „%1“ %2").arg(file, QString::fromUtf8(c.problem)));
        EXPECT_EQ(title(), "Hilfe – " + QFileInfo(file).fileName());
        EXPECT_TRUE(viewer.window()->isVisible());
        EXPECT_LT(memory.growth(), 24u << 20);
    }
}

TEST_F(HelpViewerTest, APageIsTitledWithItsOwnTitleFromItsBeginning) {
    QByteArray body;
    for (int i = 0; i < 200; ++i) body += "<p>Zeile " + QByteArray::number(i) + "</p>";
    write("hilfe/lang.hlp", page(" Hilfe  zu\n Pendix ", body));
    write("hilfe/ohne.hlp", "<html><body><p>Ohne Titel</p></body></html>");
    show("\\hilfe\\lang.hlp");
    EXPECT_EQ(title(), "Hilfe zu Pendix");
    EXPECT_TRUE(shown().startsWith("Zeile 0"));
    viewer.browser()->verticalScrollBar()->setValue(viewer.browser()->verticalScrollBar()->maximum());
    show("\\hilfe\\ohne.hlp");
    EXPECT_EQ(title(), "Hilfe – ohne.hlp");
    show("\\hilfe\\lang.hlp");
    EXPECT_EQ(viewer.browser()->verticalScrollBar()->value(), 0) << "each showing starts at the beginning";
}

// Pictures and style sheets come only from regular files inside the help folder,
// found in any letter case; whatever else a page names is left out unopened.
TEST_F(HelpViewerTest, APageTakesPicturesAndStyleSheetsFromTheHelpFolderAlone) {
    ASSERT_TRUE(QDir().mkpath(path("hilfe")));
    ASSERT_TRUE(filled(Qt::red).save(path("hilfe/bild.png")));
    ASSERT_TRUE(filled(Qt::blue).save(path("draussen.png")));
    write("hilfe/stil.css", ".innen { color: #ff00ff; }");
    write("draussen.css", ".draussen { color: #00ff00; }");
    untouched.watch(path("draussen.png"));
    untouched.watch(path("draussen.css"));
    untouched.makePipe(path("hilfe/pipe.png"));
    untouched.makePipe(path("pipe.png"));
    ASSERT_TRUE(QFile::link(path("draussen.png"), path("hilfe/verweis.png")));
    const QByteArray outside = QUrl::fromLocalFile(path("draussen.png")).toEncoded();
    // A name asked for as a style sheet and then as a picture gets an answer of each kind.
    const QByteArray pipe = QFile::encodeName(path("pipe.png"));
    write("hilfe/bilder.hlp",
          "<html><head><title>Bilder</title>"
          "<link rel=\"stylesheet\" type=\"text/css\" href=\"STIL.CSS\">"
          "<link rel=\"stylesheet\" type=\"text/css\" href=\"../draussen.css\">"
          "<link rel=\"stylesheet\" type=\"text/css\" href=\"/dev/zero\">"
          "<link rel=\"stylesheet\" type=\"text/css\" href=\"" + pipe + "\"></head><body>"
          "<p class=\"innen\">Innen</p><p class=\"draussen\">Draußen</p>"
          "<p><img src=\"BILD.PNG\"> <img src=\"/dev/zero\"> <img src=\"pipe.png\"> <img src=\"" + pipe + "\"> "
          "<img src=\"" + outside + "\"> <img src=\"verweis.png\"> <img src=\"/dev/urandom\"></p></body></html>");

    const test_support::PeakMemory memory;
    show("\\hilfe\\bilder.hlp");
    EXPECT_GE(pixelsOf(Qt::red), 20 * 20) << "the picture of the help folder, in another letter case";
    EXPECT_EQ(pixelsOf(Qt::blue), 0) << "a picture elsewhere, also through a link in the help folder";
    const auto colourOf = [this](const char* text) {
        QTextCursor at = viewer.browser()->document()->find(QString::fromUtf8(text));
        return at.charFormat().foreground().color();
    };
    EXPECT_EQ(colourOf("Innen"), QColor(255, 0, 255));
    EXPECT_NE(colourOf("Draußen"), QColor(0, 255, 0));
    EXPECT_LT(memory.growth(), 24u << 20);
    EXPECT_TRUE(untouched.opened().empty());
}

// Each link clicked as the user clicks it: a help page of the help folder opens
// in the viewer, a place in the page scrolls into view, the web and mail go to the
// link opener, and any other file is not followed and never opened.
TEST_F(HelpViewerTest, ALinkLeadsToAHelpPageOrTheWebAndNowhereElse) {
    write("hilfe/zweite.hlp", page("Zweite Seite", "<p>Das ist die zweite Seite.</p>"));
    write("geheim.hlp", page("Geheim", "<p>Geheim</p>"));
    untouched.watch(path("geheim.hlp"));
    untouched.makePipe(path("hilfe/pipe.hlp"));
    untouched.makePipe(path("pipe.hlp"));
    const QByteArray secret = QUrl::fromLocalFile(path("geheim.hlp")).toEncoded();
    QByteArray filler;
    for (int i = 0; i < 100; ++i) filler += "<p>Text</p>";
    write("hilfe/erste.hlp",
          page("Erste Seite", "<p><a href=\"ZWEITE.HLP\">Zur zweiten</a> <a href=\"#unten\">Nach unten</a> "
                              "<a href=\"https://www.example.org/pendix\">Im Netz</a> "
                              "<a href=\"mailto:pendix@example.org\">Post</a></p>"
                              "<p><a href=\"file:///etc/passwd\">Passwörter</a> <a href=\"/dev/zero\">Null</a> "
                              "<a href=\"pipe.hlp\">Pipe innen</a> <a href=\"../pipe.hlp\">Pipe draußen</a> "
                              "<a href=\"" + secret + "\">Geheim</a> <a href=\"../hilfe/../geheim.hlp\">Hinaus</a> "
                              "<a href=\"ftp://example.org/x\">Ftp</a></p>" +
                              filler + "<h2 id=\"unten\">Unten</h2>" + filler));

    const struct {
        const char* link;
        const char* shows;      // the page's title afterwards
        const char* opened;     // what the link opener got, if anything
        bool scrolls;
    } cases[] = {
        {"Zur zweiten", "Zweite Seite", nullptr, false},
        {"Nach unten", "Erste Seite", nullptr, true},
        {"Im Netz", "Erste Seite", "https://www.example.org/pendix", false},
        {"Post", "Erste Seite", "mailto:pendix@example.org", false},
        {"Passwörter", "Erste Seite", nullptr, false},
        {"Null", "Erste Seite", nullptr, false},
        {"Pipe innen", "Erste Seite", nullptr, false},
        {"Pipe draußen", "Erste Seite", nullptr, false},
        {"Geheim", "Erste Seite", nullptr, false},
        {"Hinaus", "Erste Seite", nullptr, false},
        {"Ftp", "Erste Seite", nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.link);
        fakes.links.opened.clear();
        show("\\hilfe\\erste.hlp");
        const test_support::PeakMemory memory;
        clickLink(QString::fromUtf8(c.link));
        EXPECT_EQ(title(), c.shows);
        if (std::string_view(c.shows) == "Zweite Seite") {
            EXPECT_EQ(shown(), "Das ist die zweite Seite.");
        }
        EXPECT_EQ(fakes.links.opened, c.opened ? std::vector<QString>{c.opened} : std::vector<QString>{});
        EXPECT_EQ(viewer.browser()->verticalScrollBar()->value() > 0, c.scrolls);
        EXPECT_LT(memory.growth(), 24u << 20);
    }
    EXPECT_TRUE(untouched.opened().empty());
}

// The help folder is the folder of the help file asked for, whatever its name: a
// page there reaches its own pictures and pages, and no other folder's, the usual
// help folder's neither.
TEST_F(HelpViewerTest, APageReachesTheFolderOfTheHelpFileAskedForAlone) {
    ASSERT_TRUE(QDir().mkpath(path("handbuch")));
    ASSERT_TRUE(QDir().mkpath(path("hilfe")));
    ASSERT_TRUE(filled(Qt::red).save(path("handbuch/bild.png")));
    ASSERT_TRUE(filled(Qt::green).save(path("hilfe/bild.png")));
    write("handbuch/zweite.hlp", page("Zweite Seite", "<p>Zweite</p>"));
    write("hilfe/fremd.hlp", page("Fremd", "<p>Fremd</p>"));
    untouched.watch(path("hilfe/bild.png"));
    untouched.watch(path("hilfe/fremd.hlp"));
    write("handbuch/erste.hlp",
          page("Erste Seite", "<p><img src=\"Bild.png\"> <img src=\"../hilfe/bild.png\"></p>"
                              "<p><a href=\"ZWEITE.HLP\">Zur zweiten</a> <a href=\"../hilfe/fremd.hlp\">Fremd</a></p>"));

    show("\\handbuch\\erste.hlp");
    EXPECT_GE(pixelsOf(Qt::red), 20 * 20);
    EXPECT_EQ(pixelsOf(Qt::green), 0);
    clickLink("Fremd");
    EXPECT_EQ(title(), "Erste Seite");
    clickLink("Zur zweiten");
    EXPECT_EQ(title(), "Zweite Seite");
    EXPECT_TRUE(untouched.opened().empty());
}

TEST(WindowBeside, BesideTheAskerWhereThereIsRoomElseCentredOnIt) {
    const QRect screen(0, 0, 1280, 1024);
    const struct {
        const char* name;
        QRect asker;
        QRect placed;
    } cases[] = {
        {"room on the right", {100, 200, 400, 300}, {500, 200, 640, 480}},
        {"room on the left only", {700, 200, 400, 300}, {60, 200, 640, 480}},
        {"narrowed on the side with more room", {369, 300, 540, 420}, {909, 300, 371, 480}},
        {"narrowed on the left", {500, 300, 700, 420}, {0, 300, 500, 480}},
        {"no room beside: centred on the asker", {140, 100, 1000, 700}, {319, 209, 640, 480}},
        {"low on the screen: lifted into it", {100, 900, 300, 100}, {400, 544, 640, 480}},
        {"centred, but within the screen", {0, 0, 1200, 100}, {279, 0, 640, 480}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(placeBeside(c.asker, {640, 480}, 360, screen), c.placed);
    }
    EXPECT_EQ(placeBeside({140, 100, 1000, 700}, {2000, 480}, 360, screen), QRect(0, 209, 1280, 480))
        << "never wider than the screen";
}

// Asked through a window's common dialog: beside that window, with its icon; from
// a menu the viewer takes the keyboard, from a list that keeps it, it does not.
class HelpViewerWindowTest : public testing::Test {
protected:
    ~HelpViewerWindowTest() override { dropInstances(); }
    frmFrage& asker() { return instance<frmFrage>(); }
    void ask(HelpKeyboard keyboard) {
        asker().CommonDialog.setHelpFile(programFolder() + "\\hilfe\\pendix.hlp");
        asker().CommonDialog.setHelpCommand(CommonDialog::kHelpContents);
        asker().CommonDialog.showHelp(keyboard);
        QApplication::processEvents();  // the window system tells which window is active now
    }

    ProgramFolder folder{ProgramFolder::Contents::Nothing};
    QtHelpViewer viewer;
    struct Services : test_support::ScopedTestServices {
        explicit Services(QtHelpViewer& viewer) : viewer(viewer) {}
        HelpViewer& helpViewer() override { return viewer; }
        QtHelpViewer& viewer;
    } services{viewer};
};

TEST_F(HelpViewerWindowTest, OpensBesideTheAskingWindowWithItsIcon) {
    folder.writeText("\\hilfe\\pendix.hlp", page("Hilfe zu Pendix", "<p>Hilfe</p>"));
    asker().show();
    asker().window()->move(10, 20);
    QApplication::setActiveWindow(asker().window());
    ask(HelpKeyboard::ToHelp);
    ASSERT_TRUE(viewer.window()->isVisible());
    EXPECT_EQ(viewer.window()->frameGeometry().topLeft(), QPoint(asker().window()->frameGeometry().right() + 1, 20));
    EXPECT_EQ(viewer.window()->size(), QSize(640, 480));
    EXPECT_EQ(viewer.window()->windowTitle(), "Hilfe zu Pendix");
    EXPECT_EQ(viewer.window()->windowIcon().pixmap(32, 32).toImage().pixelColor(16, 16), QColor(Qt::yellow));
    EXPECT_EQ(QApplication::activeWindow(), viewer.window()) << "help chosen from a menu is there to be read";

    // Where the user moved it, it stays while it is open.
    viewer.window()->move(150, 60);
    QApplication::setActiveWindow(asker().window());
    ask(HelpKeyboard::StaysWithAsker);
    EXPECT_EQ(viewer.window()->pos(), QPoint(150, 60));
    EXPECT_EQ(QApplication::activeWindow(), asker().window());
}

TEST_F(HelpViewerWindowTest, FromAWindowThatKeepsTheKeyboardItOpensWithoutTakingIt) {
    folder.writeText("\\hilfe\\pendix.hlp", page("Hilfe zu Pendix", "<p>Hilfe</p>"));
    asker().show();
    QApplication::setActiveWindow(asker().window());
    ask(HelpKeyboard::StaysWithAsker);
    EXPECT_TRUE(viewer.window()->isVisible());
    EXPECT_EQ(QApplication::activeWindow(), asker().window());
}

}  // namespace
