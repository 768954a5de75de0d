#include "app_fixture.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <array>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

class WaveformMenuTest : public AppTest {
protected:
    // The named command of the waveform window; a missing one fails the test.
    QAction& action(const char* name) { return control<QAction>(form2(), name); }
    void trigger(const char* name) { action(name).trigger(); }
    QTemporaryDir folder;
};

struct MenuCase {
    const char* name;
    const char* text;
    const char* shortcut;
    bool needsRun;
};

// Every command with its accelerator and shortcut, in the menu bar and the plot's context menu,
// available once a run has drawn its traces and not after a run that drew none.
TEST_F(WaveformMenuTest, CommandsFollowThePlottedRun) {
    const MenuCase cases[] = {
        {"actionSaveImage", "&Salva immagine...", "Ctrl+S", true},
        {"actionExportCsv", "&Esporta dati CSV...", "Ctrl+E", true},
        {"actionCopyImage", "&Copia immagine", "Ctrl+C", true},
        {"actionCopyValues", "Copia &valori", "Ctrl+Shift+C", true},
        {"actionClose", "C&hiudi", "Ctrl+W", false},
        {"actionZoomIn", "Zoom &avanti", "Ctrl++", true},
        {"actionZoomOut", "Zoom &indietro", "Ctrl+-", true},
        {"actionZoomReset", "&Vista intera", "Ctrl+0", true},
        {"actionPanLeft", "Scorri a &sinistra", "Ctrl+Left", true},
        {"actionPanRight", "Scorri a &destra", "Ctrl+Right", true},
        {"actionFitBands", "Adatta le &bande", "B", true},
        {"actionMeasure", "&Cursori di misura", "M", true},
    };
    click("Command3");
    click("Command1");
    type("Text8", "1"); // the conduction check refuses the run: no traces
    click("Command2");
    QMenuBar* menuBar = form2().findChild<QMenuBar*>();
    ASSERT_NE(menuBar, nullptr);
    QList<QAction*> menuActions;
    for (QAction* menu : menuBar->actions()) {
        menuActions << menu->menu()->actions();
    }
    for (const MenuCase& c : cases) {
        SCOPED_TRACE(c.name);
        QAction& command = action(c.name);
        EXPECT_EQ(command.text(), c.text);
        EXPECT_EQ(command.shortcut(), QKeySequence(c.shortcut));
        EXPECT_TRUE(form2().plot().actions().contains(&command));
        EXPECT_TRUE(menuActions.contains(&command));
        EXPECT_EQ(command.isEnabled(), !c.needsRun);
    }
    type("Text8", "62.5");
    click("Command2");
    for (const MenuCase& c : cases) {
        EXPECT_TRUE(action(c.name).isEnabled()) << c.name;
    }
    runCancelledAtTheProgressDialog();
    EXPECT_FALSE(action("actionExportCsv").isEnabled());
}

// The table holds the run that is shown, even after a design calculation has changed the
// shared frequency; the dialog proposes a name from the run's data, then the folder used last.
TEST_F(WaveformMenuTest, CsvExportWritesTheShownRun) {
    runExample();
    type("Text3", "22");
    click("Command1");
    const QString path = folder.filePath(QStringLiteral("periodo.csv"));
    files.answer = path;
    trigger("actionExportCsv");
    ASSERT_EQ(files.proposed.size(), 1);
    EXPECT_TRUE(files.proposed[0].endsWith(
        "forme_d_onda_Vi15V_D62.5pct_f11kHz_L7990uH_C94.7uF_RL250ohm_N1000.csv"))
        << files.proposed[0].toStdString();
    QFile table(path);
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = table.readAll().split('\n');
    ASSERT_EQ(lines.size(), 1002); // header, 1000 rows, the empty text after the last LF
    EXPECT_EQ(lines[0], "k,t_s,iL_A,iC_A,Vo_V,id_A");
    EXPECT_EQ(lines[1].split(',')[1].toDouble(), 1.0 / (1000.0 * 11000.0))
        << "the run's 11 kHz, not the 22 kHz typed since";
    files.answer.reset();
    trigger("actionSaveImage");
    EXPECT_EQ(files.proposed[1],
              folder.filePath("forme_d_onda_Vi15V_D62.5pct_f11kHz_L7990uH_C94.7uF_"
                              "RL250ohm_N1000.png"));
    EXPECT_TRUE(messages.texts.empty());
}

// Pictures go to the file or the clipboard; a file that cannot be written is one message that
// names it, and a cancelled dialog writes nothing.
TEST_F(WaveformMenuTest, PicturesAndValues) {
    runExample();
    files.answer = folder.filePath(QStringLiteral("figura.svg"));
    trigger("actionSaveImage");
    EXPECT_TRUE(QFile::exists(*files.answer));
    files.answer = folder.filePath(QStringLiteral("manca/figura.png"));
    trigger("actionSaveImage");
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("figura.png"), std::string::npos) << messages.texts[0];
    files.answer.reset();
    trigger("actionExportCsv");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"figura.svg"});
    trigger("actionCopyImage");
    const QImage whole = QGuiApplication::clipboard()->image();
    EXPECT_GE(whole.width(), 2 * form2().plot().width());
    trigger("actionZoomIn"); // the picture shows the plot as it is shown
    trigger("actionCopyImage");
    EXPECT_NE(QGuiApplication::clipboard()->image(), whole);
    trigger("actionZoomReset");
    trigger("actionCopyImage");
    EXPECT_EQ(QGuiApplication::clipboard()->image(), whole);
}

// "Copia valori" copies the five values with numbers for people, while the boxes keep theirs.
TEST_F(WaveformMenuTest, CopiedValuesAreNumbersForPeople) {
    runExample();
    trigger("actionCopyValues");
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "Delta iL = 106,49 mA\nDelta Vo = 59,983 mV\nId picco = 320,25 mA\n"
              "Id media = 100,35 mA\nIi media o continua in ingresso = 166,66 mA");
    EXPECT_EQ(valueTexts(),
              QStringList({"1,06E-01", "6,00E+01", "3,20E-01", "1,00E-01", "1,67E-01"}));
}

// A command that writes a file of the run, the file type chosen in its dialog and how the files
// of that type begin.
struct Writer {
    const char* command;
    std::size_t type;
    const char* extension;
    const char* begins;
};

constexpr Writer Writers[] = {
    {"actionSaveImage", 0, "png", "\x89PNG"},
    {"actionSaveImage", 1, "svg", "<?xml"},
    {"actionExportCsv", 0, "csv", "k,t_s,"},
    {"actionSaveReport", 0, "pdf", "%PDF-"},
    {"actionSaveReport", 1, "html", "<!DOCTYPE"},
    {"actionExportNetlist", 0, "cir", "Convertitore buck-boost invertente\n"},
};

class FileWritingTest : public WaveformMenuTest {
protected:
    // Writes the file of `writer` to `name` in the folder; the path answered.
    QString write(const Writer& writer, const QString& name) {
        files.answer = folder.filePath(name);
        files.type = writer.type;
        trigger(writer.command);
        return *files.answer;
    }
    static QString named(const char* stem, const Writer& writer) {
        return QString::fromLatin1(stem) + u'.' + QString::fromLatin1(writer.extension);
    }
    static bool begins(const QString& path, const Writer& writer) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && file.readAll().startsWith(writer.begins);
    }
};

mode_t ModeOf(const QString& path) {
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & 0777;
}

// The mode of an earlier file is kept, and a symbolic link stays and leads to the new file.
TEST_F(FileWritingTest, EveryWriterKeepsAnEarlierFilesModeAndWritesThroughALink) {
    runExample();
    for (const Writer& writer : Writers) {
        SCOPED_TRACE(writer.extension);
        const QString kept = folder.filePath(named("tenuto", writer));
        QFile earlier(kept);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("prima");
        earlier.close();
        ASSERT_EQ(::chmod(QFile::encodeName(kept).constData(), 0600), 0);
        write(writer, named("tenuto", writer));
        EXPECT_EQ(ModeOf(kept), 0600u);
        EXPECT_TRUE(begins(kept, writer));

        const QString target = folder.filePath(named("destinazione", writer));
        const QString link = folder.filePath(named("collegamento", writer));
        ASSERT_EQ(::symlink(QFile::encodeName(named("destinazione", writer)).constData(),
                            QFile::encodeName(link).constData()),
                  0);
        write(writer, named("collegamento", writer));
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        EXPECT_EQ(QFileInfo(link).symLinkTarget(), target);
        EXPECT_TRUE(begins(target, writer));
    }
    EXPECT_TRUE(messages.texts.empty());
}

// What a named pipe was given, read on a thread of its own while the tool writes into it.
class PipeReader {
public:
    explicit PipeReader(const QString& path)
        : path_(QFile::encodeName(path)), thread_([this] { read(); }) {}
    // Once the tool is done: frees a reader still waiting for a writer, and waits for it.
    QByteArray received() {
        const int release = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);
        if (release >= 0) {
            ::close(release);
        }
        thread_.join();
        return bytes_;
    }

private:
    void read() {
        const int pipe = ::open(path_.constData(), O_RDONLY);
        std::array<char, 65536> chunk{};
        for (ssize_t got; (got = ::read(pipe, chunk.data(), chunk.size())) > 0;) {
            bytes_.append(chunk.data(), got);
        }
        ::close(pipe);
    }

    QByteArray path_;
    QByteArray bytes_;
    std::thread thread_;
};

// A target that is not a regular file is written directly, never replaced by one; a folder in
// the way is one message with the reason in Italian.
TEST_F(FileWritingTest, EveryWriterWritesAPipeDirectlyAndRefusesAFolderInItalian) {
    runExample();
    for (const Writer& writer : Writers) {
        SCOPED_TRACE(writer.extension);
        const QString pipe = folder.filePath(named("tubo", writer));
        ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        // The pipe itself, under a second name that the writer does not know.
        const QString kept = folder.filePath(QStringLiteral("tubo_tenuto"));
        ASSERT_EQ(::link(QFile::encodeName(pipe).constData(), QFile::encodeName(kept).constData()),
                  0);
        PipeReader reader(kept);
        write(writer, named("tubo", writer));
        EXPECT_TRUE(reader.received().startsWith(writer.begins));
        EXPECT_TRUE(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
        EXPECT_TRUE(messages.texts.empty());
        ASSERT_TRUE(QFile::remove(kept));

        ASSERT_TRUE(QDir(folder.path()).mkdir(named("cartella", writer)));
        messages.texts.clear();
        const QString path = write(writer, named("cartella", writer));
        ASSERT_EQ(messages.texts.size(), 1u);
        EXPECT_NE(messages.texts[0].find(path.toStdString() + "\": \u00e8 una cartella"),
                  std::string::npos)
            << messages.texts[0];
        EXPECT_TRUE(QFileInfo(path).isDir());
        messages.texts.clear();
    }
}

// A name typed without an extension offered gets the one of the type chosen; an offered one,
// in any case, chooses the type itself.
TEST_F(FileWritingTest, ANameWithoutAnOfferedExtensionGetsTheChosenTypes) {
    struct Case {
        Writer writer;
        const char* typed;
        const char* written;
    };
    const Case cases[] = {
        {Writers[0], "figura", "figura.png"},
        {Writers[1], "figura", "figura.svg"},
        {{"actionSaveImage", 0, "svg", "<?xml"}, "figura.SVG", "figura.SVG"},
        {Writers[1], "prova_D62.5", "prova_D62.5.svg"},
        {Writers[2], "periodo", "periodo.csv"},
        {Writers[3], "rapporto", "rapporto.pdf"},
        {Writers[4], "rapporto", "rapporto.html"},
        {Writers[4], "rapporto.txt", "rapporto.txt.html"},
    };
    runExample();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written);
        const QTemporaryDir caseFolder;
        files.answer = caseFolder.filePath(QString::fromLatin1(c.typed));
        files.type = c.writer.type;
        trigger(c.writer.command);
        EXPECT_EQ(QDir(caseFolder.path()).entryList(QDir::Files),
                  QStringList{QString::fromLatin1(c.written)});
        EXPECT_TRUE(begins(caseFolder.filePath(QString::fromLatin1(c.written)), c.writer));
    }
    EXPECT_TRUE(messages.texts.empty());
}

// Esc turns the measuring cursors off and never closes the window; "Chiudi" does.
TEST_F(WaveformMenuTest, EscapeTurnsTheCursorsOffAndChiudiCloses) {
    runExample();
    ASSERT_TRUE(activateForm2());
    action("actionMeasure").setChecked(true);
    QTest::keyClick(&form2().plot(), Qt::Key_Escape);
    EXPECT_FALSE(action("actionMeasure").isChecked());
    EXPECT_TRUE(form2().isVisible());
    trigger("actionClose");
    EXPECT_EQ(app.form2().window(), nullptr);
}

} // namespace
