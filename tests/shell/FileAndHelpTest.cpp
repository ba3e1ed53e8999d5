// The standard Open and Save, which change only the caption, and Help.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include "resources/CommandIds.h"
#include "shell/CommandLine.h"
#include "shell/QuelmDoc.h"
#include "tests/dialogs/ModalAnswers.h"
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

TEST(CommandRouting, ViewThenDocumentThenFrameThenApplication) {
    ShellRig rig;
    CMainFrame frame(rig.shell);
    auto* view = new CQuelmView(frame, rig.fakes.View(rig.dialogs));
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

// A help manual beside the test program for as long as it lives.
class HelpBeside {
public:
    HelpBeside() : m_path(QCoreApplication::applicationDirPath() + "/glimbles-help.html") {
        QFile file(m_path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<html></html>");
    }
    ~HelpBeside() { QFile::remove(m_path); }
    const QString& Path() const { return m_path; }

private:
    QString m_path;
};

TEST(Help, F1AloneOpensTheManualBesideTheProgram) {
    Playing rig;
    HelpBeside help;
    QTest::keyClick(&rig.Frame(), Qt::Key_F1, Qt::ShiftModifier);
    QTest::keyClick(&rig.Frame(), Qt::Key_F1, Qt::ControlModifier);
    EXPECT_TRUE(rig.shell.files.empty());
    QTest::keyClick(&rig.Frame(), Qt::Key_F1);
    ASSERT_EQ(rig.shell.files.size(), 1u);
    EXPECT_EQ(QString::fromStdString(rig.shell.files[0]), QFileInfo(help.Path()).absoluteFilePath());
}

TEST(Help, WithoutAManualSaysSoAndTheGameGoesOn) {
    for (bool fileThere : {false, true}) {
        Playing rig;
        std::unique_ptr<HelpBeside> help;
        if (fileThere) {
            help = std::make_unique<HelpBeside>();
            rig.shell.accept = false;  // the desktop cannot open it either
        }
        ModalAnswers answers;
        answers.Then<QMessageBox>([](QMessageBox& box) {
            EXPECT_EQ(box.text(), "Failed to launch help.");
            EXPECT_EQ(box.windowTitle(), "glimbles");
            box.accept();
        });
        rig.Frame().OnCommand(res::ID_HELP);
        EXPECT_EQ(rig.Puzzle().GetScore(), 63);
    }
}

}  // namespace
