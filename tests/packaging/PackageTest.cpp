// The Debian package, unpacked into a temporary root the way dpkg installs
// it: its control fields, every file where the desktop looks for it, the
// desktop entry and AppStream data passing their validators, and the game,
// started from the installed bin folder, announcing its desktop entry and
// finding its help manual.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QXmlStreamReader>

#include <map>
#include <ostream>

#include "engine/Settings.h"
#include "resources/Pictures.h"

// Failure messages show texts as text.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

const QString kRoot = QStringLiteral(GLIMBLES_DEB_ROOT);
// Where the package puts the program and its sound module, below its root.
const QString kGameDir = QStringLiteral("usr/" GLIMBLES_INSTALL_GAMEDIR);
const QString kGame = kGameDir + QStringLiteral("/glimbles");
const QString kAppId = QStringLiteral("com.pellix.glimbles");
constexpr auto& kIconSizes = res::kIconPngSizes;

struct ProgramRun {
    int status = -1;  // the exit code; -1 when the program did not start or crashed
    QString output;   // standard output and error together
};

ProgramRun RunProgram(const QString& program, const QStringList& arguments,
                      const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit) {
        return {-1, program + QStringLiteral(": ") + process.errorString()};
    }
    return {process.exitCode(), QString::fromLocal8Bit(process.readAll())};
}

QString PackageFile() {
    const QStringList debs = QDir(QStringLiteral(GLIMBLES_DEB_DIR)).entryList({QStringLiteral("*.deb")}, QDir::Files);
    return debs.size() == 1 ? QStringLiteral(GLIMBLES_DEB_DIR "/") + debs.front() : QString();
}

QString IconPath(const QString& root, int size) {
    return QStringLiteral("%1/usr/share/icons/hicolor/%2x%2/apps/%3.png").arg(root).arg(size).arg(kAppId);
}

QString ScalableIconPath(const QString& root) {
    return QStringLiteral("%1/usr/share/icons/hicolor/scalable/apps/%2.svg").arg(root, kAppId);
}

// Paths of every file under `dir`, relative to it, sorted.
QStringList FilesUnder(const QString& dir) {
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) files << QDir(dir).relativeFilePath(it.next());
    files.sort();
    return files;
}

// Copies the tree under `from` into `to`, keeping the executable bits.
bool CopyTree(const QString& from, const QString& to) {
    for (const QString& file : FilesUnder(from)) {
        const QString target = to + QLatin1Char('/') + file;
        if (!QDir().mkpath(QFileInfo(target).path())) return false;
        if (!QFile::copy(from + QLatin1Char('/') + file, target)) return false;
    }
    return true;
}

// The keys of the [Desktop Entry] group.
std::map<QString, QString> ReadDesktopEntry(const QString& path) {
    std::map<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return keys;
    QTextStream in(&file);
    bool inGroup = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QStringLiteral("[Desktop Entry]");
        } else if (inGroup && line.contains(QLatin1Char('=')) && !line.startsWith(QLatin1Char('#'))) {
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            keys[line.left(eq).trimmed()] = line.mid(eq + 1).trimmed();
        }
    }
    return keys;
}

QString DesktopFile(const QString& root) {
    return QStringLiteral("%1/usr/share/applications/%2.desktop").arg(root, kAppId);
}

// Runs the install probe (the game started the real way) with settings of its
// own that keep the start-up tips closed, and returns its key=value report.
std::map<QString, QString> ProbeReport(const QString& probe) {
    QTemporaryDir config;
    QDir(config.path()).mkpath(QStringLiteral("Pellix"));
    QFile ini(config.path() + QStringLiteral("/Pellix/Glimbles.ini"));
    if (!ini.open(QIODevice::WriteOnly) || ini.write("[General]\nShowTips=1\n") < 0) return {};
    ini.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    environment.insert(QStringLiteral("HOME"), config.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const ProgramRun run = RunProgram(probe, {}, environment);
    EXPECT_EQ(run.status, 0) << run.output.toStdString();

    std::map<QString, QString> report;
    for (const QString& line : run.output.split(QLatin1Char('\n'))) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0) report[line.left(eq)] = line.mid(eq + 1);
    }
    return report;
}

TEST(Package, ControlFieldsNameTheGameAndTheLibrariesItNeeds) {
    const QString deb = PackageFile();
    ASSERT_FALSE(deb.isEmpty()) << "no single .deb in " GLIMBLES_DEB_DIR;

    struct Field {
        const char* name;
        const char* wanted;  // the whole value, or a part of it when `partOf`
        bool partOf;
    };
    const Field fields[] = {
        {"Package", "glimbles", false},
        {"Version", GLIMBLES_PACKAGE_VERSION, false},
        {"Section", "games", false},
        {"Maintainer", "@", true},
        {"Description", "glimbles", true},
        // Computed from the linked libraries, not listed by hand.
        {"Depends", "libqt6widgets6", true},
        {"Depends", "libpulse0", true},
        {"Depends", "libc6", true},
        // The About box's web page opens through xdg-open.
        {"Recommends", "xdg-utils", true},
        // The pictures with words are drawn in the player's language with
        // the DejaVu faces; Qt's own dialogs speak it with its translations.
        {"Depends", "fonts-dejavu-core", true},
        {"Recommends", "qt6-translations-l10n", true},
    };
    for (const Field& field : fields) {
        const ProgramRun run = RunProgram(QStringLiteral("dpkg-deb"),
                                          {QStringLiteral("-f"), deb, QLatin1String(field.name)});
        ASSERT_EQ(run.status, 0) << run.output.toStdString();
        const QString value = run.output.trimmed();
        if (field.partOf) {
            EXPECT_TRUE(value.contains(QLatin1String(field.wanted))) << field.name << ": " << value.toStdString();
        } else {
            EXPECT_EQ(value, QLatin1String(field.wanted)) << field.name;
        }
    }
}

TEST(Package, EveryLanguageFitsInFourMegabytes) {
    const QString deb = PackageFile();
    ASSERT_FALSE(deb.isEmpty()) << "no single .deb in " GLIMBLES_DEB_DIR;
    EXPECT_LE(QFileInfo(deb).size(), 4'000'000) << deb.toStdString();
}

TEST(Package, HoldsExactlyTheFilesTheDesktopLooksFor) {
    QStringList expected = {
        kGame,
        QStringLiteral("usr/" GLIMBLES_INSTALL_MODULEDIR "/glimbles-sound.so"),
        QStringLiteral("usr/share/applications/%1.desktop").arg(kAppId),
        QStringLiteral("usr/share/metainfo/%1.metainfo.xml").arg(kAppId),
        QStringLiteral("usr/" GLIMBLES_INSTALL_MAN6DIR "/glimbles.6.gz"),
        QStringLiteral("usr/" GLIMBLES_INSTALL_DOCDIR "/copyright"),
        QStringLiteral("usr/" GLIMBLES_INSTALL_DOCDIR "/changelog.Debian.gz"),
        QStringLiteral("usr/share/lintian/overrides/glimbles"),
    };
    // The manual with every picture it shows.
    for (const QString& file : QDir(QStringLiteral(GLIMBLES_HELP_SOURCE_DIR)).entryList(QDir::Files)) {
        expected << QStringLiteral("usr/" GLIMBLES_INSTALL_HELPDIR "/") + file;
    }
    for (int size : kIconSizes) expected << QDir(kRoot).relativeFilePath(IconPath(kRoot, size));
    expected << QDir(kRoot).relativeFilePath(ScalableIconPath(kRoot));
    expected.sort();

    EXPECT_EQ(FilesUnder(kRoot), expected);
    EXPECT_TRUE(QFileInfo(kRoot + QLatin1Char('/') + kGame).isExecutable());
}

TEST(Package, EachIconHasTheSizeOfItsFolder) {
    for (int size : kIconSizes) {
        const QImage icon(IconPath(kRoot, size));
        ASSERT_FALSE(icon.isNull()) << IconPath(kRoot, size).toStdString();
        EXPECT_EQ(icon.size(), QSize(size, size)) << "hicolor/" << size;
    }
    // The scalable one: well-formed SVG drawn on a square viewBox.
    QFile svg(ScalableIconPath(kRoot));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly)) << ScalableIconPath(kRoot).toStdString();
    QXmlStreamReader xml(&svg);
    ASSERT_TRUE(xml.readNextStartElement()) << xml.errorString().toStdString();
    EXPECT_EQ(xml.name().toString(), QStringLiteral("svg"));
    const QStringList box = xml.attributes().value(QStringLiteral("viewBox")).toString().split(QLatin1Char(' '));
    ASSERT_EQ(box.size(), 4);
    EXPECT_GT(box[2].toDouble(), 0);
    EXPECT_EQ(box[2], box[3]) << "a square viewBox";
    while (!xml.atEnd()) xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
}

TEST(Package, DesktopEntryPassesValidation) {
    const ProgramRun run = RunProgram(QStringLiteral("desktop-file-validate"), {DesktopFile(kRoot)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, QString()) << "hints or warnings:\n" << run.output.toStdString();
}

TEST(Package, DesktopEntryStartsTheInstalledProgramWithItsIcon) {
    const std::map<QString, QString> entry = ReadDesktopEntry(DesktopFile(kRoot));
    ASSERT_FALSE(entry.empty());
    EXPECT_EQ(entry.at(QStringLiteral("Name")), QStringLiteral("2Glimbles"));
    EXPECT_EQ(entry.at(QStringLiteral("Categories")), QStringLiteral("Game;LogicGame;"));

    const QString program = entry.at(QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0);
    EXPECT_TRUE(QFileInfo(kRoot + QLatin1Char('/') + kGameDir + QLatin1Char('/') + program).isExecutable())
        << program.toStdString();

    // The icon is named by the desktop entry and found in the hicolor theme.
    EXPECT_EQ(entry.at(QStringLiteral("Icon")), kAppId);
}

TEST(Package, AppStreamDataValidatesAgainstTheInstalledTree) {
    // validate-tree also checks that the launchable desktop entry is installed.
    const ProgramRun run = RunProgram(QStringLiteral("appstreamcli"),
                                      {QStringLiteral("validate-tree"), QStringLiteral("--no-net"),
                                       QStringLiteral("--strict"), QStringLiteral("--explain"), kRoot});
    EXPECT_EQ(run.status, 0) << run.output.toStdString();
}

// The text of a file the package installs gzip-compressed.
QString Gunzipped(const QString& path) {
    const ProgramRun run = RunProgram(QStringLiteral("gzip"), {QStringLiteral("-dc"), path});
    return run.status == 0 ? run.output : QString();
}

// What Debian's own checker says of the package, in its most demanding mode;
// tags the package has reasons to keep are overridden in the package itself,
// each with its reason.
TEST(Package, LintianFindsNothing) {
    if (!GLIMBLES_SHIPPING_BUILD) {
        GTEST_SKIP() << "a sanitizer, fuzzing or debug build is not built as a shipped package is";
    }
    const QString deb = PackageFile();
    ASSERT_FALSE(deb.isEmpty());
    const ProgramRun run = RunProgram(QStringLiteral("lintian"),
                                      {QStringLiteral("--pedantic"), QStringLiteral("--display-info"),
                                       QStringLiteral("--fail-on"), QStringLiteral("none"), deb});
    ASSERT_EQ(run.status, 0) << run.output.toStdString();
    // Every tag is a line "X: package: tag ..."; lintian's own notes (such as
    // running as root) are not about the package.
    QStringList tags;
    for (const QString& line : run.output.split(QLatin1Char('\n'))) {
        if (line.size() > 2 && line[1] == QLatin1Char(':') && line[0].isUpper()) tags << line;
    }
    EXPECT_EQ(tags, QStringList()) << run.output.toStdString();
}

TEST(Package, ManualPageRendersWithoutWarningsAndNamesEverySetting) {
    const QString page = Gunzipped(kRoot + QStringLiteral("/usr/" GLIMBLES_INSTALL_MAN6DIR "/glimbles.6.gz"));
    ASSERT_FALSE(page.isEmpty());
    QProcess groff;
    groff.setProcessChannelMode(QProcess::MergedChannels);
    groff.start(QStringLiteral("groff"), {QStringLiteral("-ww"), QStringLiteral("-z"), QStringLiteral("-man")});
    groff.write(page.toUtf8());
    groff.closeWriteChannel();
    ASSERT_TRUE(groff.waitForFinished(-1));
    EXPECT_EQ(groff.exitCode(), 0);
    EXPECT_EQ(QString::fromLocal8Bit(groff.readAll()), QString()) << "groff warnings";

    EXPECT_TRUE(page.contains(QStringLiteral(".TH GLIMBLES 6")));
    for (const std::string_view key :
         {game_settings::kSize.key, game_settings::kNumber.key, game_settings::kSkin.key, game_settings::kSoundOff.key,
          game_settings::kTipsHidden.key, game_settings::kTipsNumber.key, game_settings::kLastName.key}) {
        EXPECT_TRUE(page.contains(QStringLiteral(".B ") + QString::fromUtf8(key.data(), qsizetype(key.size()))))
            << "no entry for the setting " << key;
    }
}

// The changelog's latest entry is the package's version, and the AppStream
// data's latest release is its upstream part.
TEST(Package, ChangelogAndMetainfoAgreeWithThePackageVersion) {
    const QString changelog = Gunzipped(kRoot + QStringLiteral("/usr/" GLIMBLES_INSTALL_DOCDIR "/changelog.Debian.gz"));
    EXPECT_TRUE(changelog.startsWith(QStringLiteral("glimbles (" GLIMBLES_PACKAGE_VERSION ") ")))
        << changelog.left(80).toStdString();

    QFile metainfo(QStringLiteral(GLIMBLES_METAINFO));
    ASSERT_TRUE(metainfo.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&metainfo);
    QString release;
    while (release.isEmpty() && !xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("release")) {
            release = xml.attributes().value(QStringLiteral("version")).toString();  // the first is the latest
        }
    }
    EXPECT_EQ(release, QStringLiteral(GLIMBLES_VERSION));
}

TEST(InstalledGame, AnnouncesItsDesktopEntryAndWindowClass) {
    QTemporaryDir root;
    ASSERT_TRUE(CopyTree(kRoot, root.path()));
    const QString probe = root.path() + QLatin1Char('/') + kGameDir + QStringLiteral("/glimbles-install-probe");
    ASSERT_TRUE(QFile::copy(QStringLiteral(GLIMBLES_INSTALL_PROBE), probe));

    const std::map<QString, QString> report = ProbeReport(probe);
    ASSERT_TRUE(report.contains(QStringLiteral("desktop")));
    // Wayland shows the icon of the desktop entry the program names.
    EXPECT_TRUE(QFileInfo::exists(DesktopFile(root.path())))
        << "no desktop entry for " << report.at(QStringLiteral("desktop")).toStdString();
    EXPECT_EQ(report.at(QStringLiteral("desktop")), kAppId);
    // The version the program gives itself is its version block's.
    EXPECT_EQ(report.at(QStringLiteral("version")), QStringLiteral("1.5.0.0"));
    // The sound output loads from where the package put it.
    EXPECT_EQ(report.at(QStringLiteral("sound")), QStringLiteral("1"));
    // X11 desktops match windows to the entry by StartupWMClass.
    EXPECT_EQ(report.at(QStringLiteral("class")),
              ReadDesktopEntry(DesktopFile(root.path())).at(QStringLiteral("StartupWMClass")));
}

// Where the Help command looks, from each place the program can lie.
TEST(InstalledGame, HelpFindsTheManualOfItsOwnLayout) {
    QTemporaryDir installed;
    ASSERT_TRUE(CopyTree(kRoot, installed.path()));
    ASSERT_TRUE(QFile::copy(QStringLiteral(GLIMBLES_INSTALL_PROBE), installed.path() + QLatin1Char('/') + kGameDir +
                                                                        QStringLiteral("/glimbles-install-probe")));

    QTemporaryDir alone;
    ASSERT_TRUE(QDir(alone.path()).mkpath(QStringLiteral("bin")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(GLIMBLES_INSTALL_PROBE),
                            alone.path() + QStringLiteral("/bin/glimbles-install-probe")));

    struct Case {
        const char* layout;
        QString probe;
        QString help;  // what Help opens; empty: nothing, and it says it failed
    };
    const Case cases[] = {
        {"installed", installed.path() + QLatin1Char('/') + kGameDir + QStringLiteral("/glimbles-install-probe"),
         installed.path() + QStringLiteral("/usr/" GLIMBLES_INSTALL_HELPDIR "/glimbles-help.html")},
        {"build tree", QStringLiteral(GLIMBLES_INSTALL_PROBE),
         QStringLiteral(GLIMBLES_BUILD_DIR "/glimbles-help.html")},
        {"no manual", alone.path() + QStringLiteral("/bin/glimbles-install-probe"), QString()},
    };
    for (const Case& c : cases) {
        const std::map<QString, QString> report = ProbeReport(c.probe);
        ASSERT_TRUE(report.contains(QStringLiteral("help"))) << c.layout;
        const QString expected = c.help.isEmpty() ? QString() : QFileInfo(c.help).canonicalFilePath();
        const QString found = report.at(QStringLiteral("help"));
        EXPECT_EQ(found.isEmpty() ? QString() : QFileInfo(found).canonicalFilePath(), expected) << c.layout;
        if (!c.help.isEmpty()) {
            EXPECT_FALSE(expected.isEmpty()) << c.layout << ": no manual there";
        }
    }
}

}  // namespace
