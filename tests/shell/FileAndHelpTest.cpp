// The standard Open and Save, which change only the caption, and Help.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include "resources/CommandIds.h"
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
    EXPECT_EQ(dialog.nameFilters(), QStringList{"All Files (*.*)"});
    dialog.selectFile(path);
    QMetaObject::invokeMethod(&dialog, "accept");
}

TEST(FileCommands, SaveWritesAnEmptyFileAndRenamesTheCaption) {
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

    // Saved once, the document saves again without asking.
    QFile(path).open(QIODevice::Append);
    rig.Frame().OnCommand(res::ID_FILE_SAVE);
    EXPECT_EQ(QFile(path).size(), 0);
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
