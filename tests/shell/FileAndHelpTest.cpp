// The standard Open and Save, which change only the caption, and the manual
// in its help window.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "resources/BoardSizes.h"
#include "resources/CommandIds.h"
#include "shell/CommandLine.h"
#include "shell/DocumentFile.h"
#include "shell/HelpWindow.h"
#include "shell/ManualBrowser.h"
#include "shell/QuelmDoc.h"
#include "tests/TestAccess.h"
#include "tests/dialogs/ModalAnswers.h"
#include "tests/platform/ObeyFilePermissions.h"
#include "tests/shell/ShellRig.h"

namespace {

struct Playing : ShellRig {
    Playing() {
        settings.values.emplace("ShowTips", "1");
        Start();
        QApplication::setActiveWindow(&Frame());
        View().OnLButtonDown({5, 5});
    }
};

void ChooseFile(QFileDialog& dialog, const QString& path) {
    EXPECT_EQ(dialog.nameFilters(), QStringList{"All Files (*)"});
    dialog.selectFile(path);
    QMetaObject::invokeMethod(&dialog, "accept");
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(FileCommands, SaveMakesANewNameAnEmptyFileAndKeepsAnExistingFilesBytes) {
    Playing rig;
    QTemporaryDir dir;
    const QString path = dir.filePath("my.game");
    {
        ModalAnswers answers;
        answers.Then<QFileDialog>([&](QFileDialog& d) { ChooseFile(d, path); });
        QTest::keyClick(&rig.Frame(), Qt::Key_S, Qt::ControlModifier);
    }
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(QFile(path).size(), 0);
    EXPECT_EQ(rig.Frame().windowTitle(), "my.game - Glimbles");
    EXPECT_EQ(rig.Puzzle().GetScore(), 63) << "the game goes on";

    // Saved once, the document saves again without asking, and what the file
    // holds by then stays.
    WriteFile(path, "written meanwhile");
    rig.Frame().OnCommand(res::ID_FILE_SAVE);
    EXPECT_EQ(Contents(path), "written meanwhile");
}

TEST(FileCommands, SavingAnOpenedFileKeepsItsBytes) {
    Playing rig;
    QTemporaryDir dir;
    const QString path = dir.filePath("letter.txt");
    WriteFile(path, "Dear friend");
    {
        ModalAnswers answers;
        answers.Then<QFileDialog>([&](QFileDialog& d) { ChooseFile(d, path); });
        QTest::keyClick(&rig.Frame(), Qt::Key_O, Qt::ControlModifier);
    }
    QTest::keyClick(&rig.Frame(), Qt::Key_S, Qt::ControlModifier);  // no dialog: saved where it was opened
    EXPECT_EQ(Contents(path), "Dear friend");
    EXPECT_EQ(rig.Frame().windowTitle(), "letter.txt - Glimbles");

    // Saving over another existing file with Save As keeps that one too.
    const QString other = dir.filePath("other.txt");
    WriteFile(other, "other bytes");
    CQuelmDoc fresh;
    ModalAnswers answers;
    answers.Then<QFileDialog>([&](QFileDialog& d) {
        d.setOption(QFileDialog::DontConfirmOverwrite);
        ChooseFile(d, other);
    });
    fresh.OnCommand(res::ID_FILE_SAVE, &rig.Frame());
    EXPECT_EQ(Contents(other), "other bytes");
    EXPECT_EQ(fresh.Title(), "other.txt");
}

TEST(FileCommands, TheOpenDialogListsFilesWithoutADot) {
    Playing rig;
    QTemporaryDir dir;
    WriteFile(dir.filePath("Glimbles"), "");
    ModalAnswers answers;
    bool listed = false;
    bool enabled = false;
    answers.Then<QFileDialog>([&](QFileDialog& d) {
        d.setDirectory(dir.path());
        if (auto* list = d.findChild<QAbstractItemView*>("listView")) {
            QAbstractItemModel& model = *list->model();
            for (int i = 0; i < 200 && !listed; ++i) {  // the folder is read in the background
                QTest::qWait(10);
                const QModelIndexList hits = model.match(model.index(0, 0, list->rootIndex()), Qt::DisplayRole,
                                                         "Glimbles", 1, Qt::MatchExactly);
                listed = !hits.isEmpty();
                enabled = listed && (model.flags(hits.first()) & Qt::ItemIsEnabled);
            }
        }
        d.reject();
    });
    rig.Frame().OnCommand(res::ID_FILE_OPEN);
    EXPECT_TRUE(listed) << "\"Glimbles\" is not listed";
    EXPECT_TRUE(enabled) << "listed but greyed out";
}

TEST(FileCommands, OpenReadsNothingAndRenamesTheCaption) {
    Playing rig;
    QTemporaryDir dir;
    const QString path = dir.filePath("notes.txt");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a game");
    }
    {
        ModalAnswers answers;
        answers.Then<QFileDialog>([&](QFileDialog& d) { ChooseFile(d, path); });
        QTest::keyClick(&rig.Frame(), Qt::Key_O, Qt::ControlModifier);
    }
    EXPECT_EQ(rig.Frame().windowTitle(), "notes.txt - Glimbles");
    EXPECT_EQ(rig.Puzzle().GetScore(), 63);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "not a game");
}

TEST(FileCommands, CancelledDialogsChangeNothing) {
    Playing rig;
    ModalAnswers answers;
    answers.Then<QFileDialog>([](QFileDialog& d) { d.reject(); });
    answers.Then<QFileDialog>([](QFileDialog& d) { d.reject(); });
    rig.Frame().OnCommand(res::ID_FILE_SAVE);
    rig.Frame().OnCommand(res::ID_FILE_OPEN);
    EXPECT_EQ(rig.Frame().windowTitle(), "Glimbles - Glimbles");
}

TEST(CommandLine, TheFirstWordThatIsNoOptionNamesTheFile) {
    const struct {
        QStringList arguments;
        QString file;
    } cases[] = {
        {{"glimbles"}, ""},
        {{"glimbles", "notes.txt"}, "notes.txt"},
        {{"glimbles", "-x", "a", "b"}, "a"},
        {{"glimbles", "--", "-odd name"}, "-odd name"},
        {{"glimbles", "", "--verbose"}, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(CommandLineFile(c.arguments), c.file) << c.arguments.join(' ').toStdString();
}

// The file named on the command line, opened as the document at start.
struct StartedWith : ShellRig {
    explicit StartedWith(const QString& file) {
        settings.values.emplace("ShowTips", "1");
        EXPECT_TRUE(app.InitInstance(file));
        QApplication::processEvents();
    }
};

TEST(CommandLine, AReadableFileBecomesTheDocument) {
    QTemporaryDir dir;
    const QString path = dir.filePath("notes.txt");
    WriteFile(path, "kept");
    StartedWith rig(path);
    EXPECT_EQ(rig.Frame().windowTitle(), "notes.txt - Glimbles");
    EXPECT_EQ(Contents(path), "kept");
    EXPECT_EQ(rig.Puzzle().GetScore(), 64);
}

TEST(CommandLine, AFileThatCannotBeOpenedIsNamedInAMessageAndTheGameStarts) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe");
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const QString unreadable = dir.filePath("secret");
    WriteFile(unreadable, "x");
    QFile::setPermissions(unreadable, QFileDevice::WriteOwner);
    const bool root = QFile(unreadable).open(QIODevice::ReadOnly);  // root reads it anyway

    for (const QString& path : {dir.filePath("missing.txt"), dir.path(), fifo, unreadable}) {
        if (path == unreadable && root) continue;
        ModalAnswers answers;
        answers.Then<QMessageBox>([&](QMessageBox& box) {
            EXPECT_EQ(box.windowTitle(), "glimbles");
            EXPECT_TRUE(box.text().startsWith("Cannot open \"" + path + "\": ")) << box.text().toStdString();
            box.accept();
        });
        StartedWith rig(path);  // a pipe must not hang it
        EXPECT_EQ(rig.Frame().windowTitle(), "Glimbles - Glimbles");
        EXPECT_TRUE(rig.Frame().isVisible());
        EXPECT_EQ(rig.Puzzle().GetScore(), 64);
    }
}

// A name turned to and fro between a file that may not be read and a FIFO
// while it is checked: the check never waits in the FIFO's open for a writer
// (each time the FIFO is in place a writer comes by, which would let a waiting
// check on and have it take the FIFO for a document) and never takes either.
TEST(CommandLine, ANameSwappedBetweenAFileAndAFifoNeverBlocksTheCheck) {
    constexpr int kChecks = 3000;
    QTemporaryDir dir;
    const QByteArray name = QFile::encodeName(dir.filePath("name"));
    const QByteArray file = QFile::encodeName(dir.filePath("file"));
    const QByteArray fifo = QFile::encodeName(dir.filePath("fifo"));
    const QByteArray next = QFile::encodeName(dir.filePath("next"));
    WriteFile(dir.filePath("file"), "x");
    ASSERT_EQ(chmod(file.constData(), 0), 0);
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    ASSERT_EQ(link(file.constData(), name.constData()), 0);

    std::atomic<bool> done = false;
    std::atomic<int> accepted = 0;
    std::atomic<bool> enforced = true;
    std::thread checker([&] {
        const settings_rig::ObeyFilePermissions obey;  // this thread only
        if (const int probe = open(file.constData(), O_RDONLY | O_CLOEXEC); probe >= 0) {
            close(probe);
            enforced = false;
        } else {
            for (int i = 0; i < kChecks; ++i) {
                if (CannotOpenReason(QFile::decodeName(name)).isEmpty()) ++accepted;
            }
        }
        done = true;
    });
    int failedSwaps = 0;
    for (bool toFifo = true; !done; toFifo = !toFifo) {
        if (link(toFifo ? fifo.constData() : file.constData(), next.constData()) != 0 ||
            rename(next.constData(), name.constData()) != 0) {
            ++failedSwaps;
        }
        if (toFifo) {
            const int writer = open(fifo.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (writer >= 0) close(writer);
        }
    }
    checker.join();
    if (!enforced) GTEST_SKIP() << "file permissions are not enforced here";
    EXPECT_EQ(failedSwaps, 0);
    EXPECT_EQ(accepted, 0) << "a check took the FIFO, or the unreadable file, for a document";
}

TEST(CommandRouting, ViewThenDocumentThenFrameThenApplication) {
    ShellRig rig;
    CMainFrame frame(rig.shell);
    auto* view = new CQuelmView([&frame](int width, int height) { frame.FitClientArea(width, height); },
                                rig.fakes.View(rig.dialogs));
    std::vector<std::string> asked;
    frame.SetView(
        view,
        [&](int) {
            asked.emplace_back("document");
            return false;
        },
        [&](int) {
            asked.emplace_back("application");
            return true;
        });
    view->CreatePuzzle();

    EXPECT_TRUE(frame.OnCommand(res::ID_FILE_NEW));  // the view's
    EXPECT_TRUE(asked.empty());
    {
        ModalAnswers answers;  // no manual beside the test program
        answers.Then<QMessageBox>([](QMessageBox& box) { box.accept(); });
        EXPECT_TRUE(frame.OnCommand(res::ID_HELP));  // the frame's, after the document
    }
    EXPECT_EQ(asked, std::vector<std::string>{"document"});
    asked.clear();
    EXPECT_TRUE(frame.OnCommand(res::ID_APP_ABOUT));
    EXPECT_EQ(asked, (std::vector<std::string>{"document", "application"}));
}

// A two-page manual beside the test program for as long as it lives.
class HelpBeside {
public:
    HelpBeside() : m_dir(QCoreApplication::applicationDirPath()) {
        Write("glimbles-help.html",
              "<html><head><title>Test Manual</title></head><body>"
              "<p><a href='#end'>to the end</a> <a href='page2.html'>page two</a></p>" +
                  QByteArray(200, '\n').replace("\n", "<p>filler</p>") + "<h2 id='end'>The end</h2></body></html>");
        Write("page2.html", "<html><head><title>Page Two</title></head><body>second</body></html>");
    }
    ~HelpBeside() {
        for (const QString& name : m_written) QFile::remove(m_dir + '/' + name);
    }
    QString Path() const { return QFileInfo(m_dir + "/glimbles-help.html").absoluteFilePath(); }

private:
    void Write(const QString& name, const QByteArray& text) {
        QFile file(m_dir + '/' + name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        m_written << name;
    }
    QString m_dir;
    QStringList m_written;
};

QString ShownFile(const HelpWindow& help) { return TestAccess::Browser(help)->source().toLocalFile(); }

TEST(Help, F1AloneOpensTheManualInTheGamesOwnWindow) {
    Playing rig;
    HelpBeside manual;
    ASSERT_TRUE(QFileInfo(manual.Path()).isFile());  // else Help would wait on its box
    QTest::keyClick(&rig.Frame(), Qt::Key_F1, Qt::ShiftModifier);
    QTest::keyClick(&rig.Frame(), Qt::Key_F1, Qt::ControlModifier);
    EXPECT_EQ(rig.Frame().Help(), nullptr);
    QTest::keyClick(&rig.Frame(), Qt::Key_F1);
    HelpWindow* help = rig.Frame().Help();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(ShownFile(*help), manual.Path());
    EXPECT_EQ(help->windowTitle(), "Test Manual");
    EXPECT_TRUE(rig.shell.urls.empty());  // no browser needed

    // Help again: the same window, back at the contents' beginning.
    emit TestAccess::Browser(*help)->anchorClicked(QUrl("#end"));
    EXPECT_GT(TestAccess::Browser(*help)->verticalScrollBar()->value(), 0);
    rig.Frame().OnCommand(res::ID_HELP);
    EXPECT_EQ(rig.Frame().Help(), help);
    EXPECT_EQ(rig.Frame().findChildren<HelpWindow*>().size(), 1);
    EXPECT_EQ(TestAccess::Browser(*help)->verticalScrollBar()->value(), 0);

    // Esc closes it; the game goes on underneath.
    QApplication::setActiveWindow(help);  // as the desktop makes it on showing
    QTest::keyClick(TestAccess::Browser(*help), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    EXPECT_EQ(rig.Puzzle().GetScore(), 63);
}

TEST(Help, LinksStayInTheManualAndWebAddressesGoToTheDesktop) {
    struct Case {
        const char* link;
        const char* shownAfter;  // the file shown after the link, or "" for the contents
        const char* sentToDesktop;
    };
    const Case cases[] = {
        {"page2.html", "page2.html", ""},
        {"#end", "", ""},
        {"https://example.org/a?b=c", "", "https://example.org/a?b=c"},
        {"mailto:someone@example.org", "", "mailto:someone@example.org"},
        {"missing.html", "", ""},
        {"ftp://example.org/", "", ""},
    };
    Playing rig;
    HelpBeside manual;
    ASSERT_TRUE(QFileInfo(manual.Path()).isFile());  // else Help would wait on its box
    rig.Frame().OnCommand(res::ID_HELP);
    HelpWindow& help = *rig.Frame().Help();
    for (const Case& c : cases) {
        rig.shell.urls.clear();
        rig.Frame().OnCommand(res::ID_HELP);
        emit TestAccess::Browser(help)->anchorClicked(QUrl(c.link));
        const QString shown = *c.shownAfter != 0 ? QFileInfo(manual.Path()).path() + '/' + c.shownAfter : manual.Path();
        EXPECT_EQ(ShownFile(help), shown) << c.link;
        const std::vector<std::string> sent = *c.sentToDesktop != 0 ? std::vector<std::string>{c.sentToDesktop}
                                                                    : std::vector<std::string>{};
        EXPECT_EQ(rig.shell.urls, sent) << c.link;
    }
}

TEST(Help, BackAndForwardRetraceTheWayAndAreOffWhereItEnds) {
    Playing rig;
    HelpBeside manual;
    ASSERT_TRUE(QFileInfo(manual.Path()).isFile());  // else Help would wait on its box
    rig.Frame().OnCommand(res::ID_HELP);
    HelpWindow& help = *rig.Frame().Help();
    EXPECT_FALSE(TestAccess::BackAction(help)->isEnabled());
    EXPECT_FALSE(TestAccess::ForwardAction(help)->isEnabled());

    emit TestAccess::Browser(help)->anchorClicked(QUrl("page2.html"));
    EXPECT_EQ(help.windowTitle(), "Page Two");
    EXPECT_TRUE(TestAccess::BackAction(help)->isEnabled());
    QApplication::setActiveWindow(&help);
    QTest::keyClick(TestAccess::Browser(help), Qt::Key_Left, Qt::AltModifier);  // Back's key
    EXPECT_EQ(ShownFile(help), manual.Path());
    EXPECT_EQ(help.windowTitle(), "Test Manual");
    EXPECT_FALSE(TestAccess::BackAction(help)->isEnabled());
    EXPECT_TRUE(TestAccess::ForwardAction(help)->isEnabled());
    TestAccess::ForwardAction(help)->trigger();
    EXPECT_EQ(help.windowTitle(), "Page Two");
    EXPECT_FALSE(TestAccess::ForwardAction(help)->isEnabled());
}

TEST(Help, ClosesWithTheGame) {
    Playing rig;
    HelpBeside manual;
    ASSERT_TRUE(QFileInfo(manual.Path()).isFile());  // else Help would wait on its box
    rig.Frame().OnCommand(res::ID_HELP);
    ASSERT_TRUE(rig.Frame().Help()->isVisible());
    rig.Frame().OnCommand(res::ID_APP_EXIT);
    EXPECT_FALSE(rig.Frame().Help()->isVisible());
}

TEST(Help, WithoutAReadableManualSaysSoAndTheGameGoesOn) {
    for (bool folderInItsPlace : {false, true}) {
        Playing rig;
        const QString path = QCoreApplication::applicationDirPath() + "/glimbles-help.html";
        if (folderInItsPlace) {
            ASSERT_TRUE(QDir().mkdir(path));
        }
        ModalAnswers answers;
        answers.Then<QMessageBox>([](QMessageBox& box) {
            EXPECT_EQ(box.text(), "Failed to launch help.");
            EXPECT_EQ(box.windowTitle(), "glimbles");
            box.accept();
        });
        rig.Frame().OnCommand(res::ID_HELP);
        EXPECT_EQ(rig.Frame().Help(), nullptr);
        EXPECT_EQ(rig.Puzzle().GetScore(), 63);
        if (folderInItsPlace) QDir().rmdir(path);
    }
}

// The manual the game finds in the build tree, as a player's help window
// shows it: every picture it names is there and every place it links to is in it.
TEST(Help, TheGamesManualHasItsPicturesAndPlaces) {
    QTextBrowser browser;
    browser.setSource(QUrl::fromLocalFile(GLIMBLES_BUILT_MANUAL));
    QTextDocument& document = *browser.document();
    EXPECT_FALSE(document.toPlainText().isEmpty());
    int pictures = 0;
    QSet<QString> places;
    QStringList linksWithin;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto part = block.begin(); !part.atEnd(); ++part) {
            const QTextCharFormat format = part.fragment().charFormat();
            if (format.isImageFormat()) {
                const QString name = format.toImageFormat().name();
                EXPECT_TRUE(document.resource(QTextDocument::ImageResource, QUrl(name)).isValid())
                    << name.toStdString();
                ++pictures;
            }
            for (const QString& name : format.anchorNames()) places.insert(name);
            if (format.anchorHref().startsWith('#')) linksWithin << format.anchorHref().mid(1);
        }
    }
    EXPECT_FALSE(linksWithin.isEmpty());
    for (const QString& link : linksWithin) EXPECT_TRUE(places.contains(link)) << link.toStdString();
    EXPECT_GE(pictures, 4);
}

}  // namespace
