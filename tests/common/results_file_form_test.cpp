// Saving a pupil's results: the bytes on disk, and what a failed save leaves behind.
#include <sys/resource.h>

#include <QtTest>
#include <csignal>
#include <fstream>
#include <iterator>

#include "common/program/program.h"
#include "common/save/results_file.h"
#include "support/temp_folder.h"

using namespace rumbelo;

namespace {

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Files may grow no larger than `limit` bytes while it lives: a full disk, as root sees it.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t limit) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

  private:
    rlimit saved_{};
};

}  // namespace

class ResultsFileTest : public QObject {
    Q_OBJECT

  private slots:
    void savesWindows1252LinesWithCrLf();
    void failedSavesKeepTheEarlierFileAndTellThePupil();
};

void ResultsFileTest::savesWindows1252LinesWithCrLf() {
    testing::TempFolder folder;
    RecordingSink sink;
    StartOptions options;
    options.folder = QString::fromStdString(folder.path().string());
    options.messages = &sink;
    Program program(std::move(options));
    const auto target = folder.path() / "Nuria.TXT";
    QString proposed;
    setSaveNameChooser([&](QWidget*, const QString& name) {
        proposed = name;
        return QString::fromStdString(target.string());
    });
    // "Nuria Muñoz" and "Información" as stored: Windows-1252 bytes.
    const std::vector<std::string> lines = {"Nuria Mu\xf1oz", "", "Informaci\xf3n  8.5"};
    QVERIFY(saveResultsFile(nullptr, program, QStringLiteral("Nuria Muñoz"), lines));
    QCOMPARE(proposed, QStringLiteral("Nuria Muñoz"));
    QCOMPARE(readBytes(target), std::string("Nuria Mu\xf1oz\r\n\r\nInformaci\xf3n  8.5\r\n"));
    QVERIFY(sink.messages.empty());

    setSaveNameChooser([](QWidget*, const QString&) { return QString(); });
    QVERIFY(!saveResultsFile(nullptr, program, QStringLiteral("x"), {"otro"}));
    QCOMPARE(readBytes(target).substr(0, 4), std::string("Nuri"));  // a cancel writes nothing
    setSaveNameChooser({});
}

void ResultsFileTest::failedSavesKeepTheEarlierFileAndTellThePupil() {
    testing::TempFolder folder;
    RecordingSink sink;
    StartOptions options;
    options.folder = QString::fromStdString(folder.path().string());
    options.messages = &sink;
    Program program(std::move(options));
    const auto target = folder.path() / "Resultados.TXT";
    folder.write("Resultados.TXT", "earlier results\r\n");

    const std::vector<std::string> longReport(200, std::string(60, 'x'));
    {
        FileSizeLimit full(1024);
        QVERIFY(!writeResultsFile(QString::fromStdString(target.string()), longReport).saved);
    }
    QCOMPARE(readBytes(target), std::string("earlier results\r\n"));
    std::size_t leftovers = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        leftovers += entry.path() != target;
    QCOMPARE(leftovers, std::size_t{0});

    setSaveNameChooser([&](QWidget*, const QString&) {
        return QString::fromStdString((folder.path() / "gone" / "Resultados.TXT").string());
    });
    QVERIFY(!saveResultsFile(nullptr, program, QStringLiteral("x"), longReport));
    QCOMPARE(sink.messages.size(), std::size_t{1});
    QVERIFY(sink.messages.front().find("No se han guardado") != std::string::npos);
    setSaveNameChooser({});
}

QTEST_MAIN(ResultsFileTest)
#include "results_file_form_test.moc"
