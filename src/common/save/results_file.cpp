#include "common/save/results_file.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/save/result_lines.h"

namespace rumbelo {
namespace {

SaveNameChooser& chooserOverride() {
    static SaveNameChooser chooser;
    return chooser;
}

// A name typed by the pupil may hold characters no file system takes.
QString safeFileName(const QString& proposedName) {
    QString name = proposedName.trimmed();
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (QChar& c : name)
        if (forbidden.contains(c) || c.unicode() < 32) c = QLatin1Char('_');
    if (name.isEmpty()) name = QStringLiteral("resultados");
    return name;
}

QString askSaveName(QWidget* parent, const QString& proposedName) {
    if (chooserOverride()) return chooserOverride()(parent, proposedName);
    QFileDialog dialog(parent, QStringLiteral("Guardar los resultados"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("TXT"));
    dialog.setNameFilters({QStringLiteral("Texto (*.TXT *.txt)"), QStringLiteral("Todos (*)")});
    dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dialog.selectFile(safeFileName(proposedName) + QStringLiteral(".TXT"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

SaveOutcome writeResultsFile(const QString& path, const std::vector<std::string>& lines) {
    const std::string bytes = encodeResultLines(lines);
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk) shows here: a buffered QSaveFile can
    // commit a truncated file and call it a success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {
            false,
            QStringLiteral("No se puede escribir en esa carpeta (%1).").arg(file.errorString())};
    qint64 written = 0;
    const auto total = static_cast<qint64>(bytes.size());
    while (written < total) {
        const qint64 chunk = file.write(bytes.data() + written, total - written);
        if (chunk <= 0) {
            file.cancelWriting();
            return {false, QStringLiteral("El disco está lleno o no deja escribir (%1).")
                               .arg(file.errorString())};
        }
        written += chunk;
    }
    if (!file.commit())
        return {false, QStringLiteral("No se ha podido terminar de guardar el archivo (%1).")
                           .arg(file.errorString())};
    return {true, {}};
}

bool saveResultsFile(QWidget* parent, Program& program, const QString& proposedName,
                     const std::vector<std::string>& lines) {
    const QString path = askSaveName(parent, proposedName);
    if (path.isEmpty()) return false;
    const SaveOutcome outcome = writeResultsFile(path, lines);
    if (outcome.saved) return true;
    const QString told =
        QStringLiteral(
            "No se han guardado tus resultados en «%1».\n%2\n"
            "Si ya había un archivo con ese nombre, sigue como estaba. Prueba en otra "
            "carpeta, por ejemplo en tu memoria USB.")
            .arg(QDir::toNativeSeparators(QFileInfo(path).fileName()), outcome.error);
    program.state().messages().show(fromQt(told));
    return false;
}

void setSaveNameChooser(SaveNameChooser chooser) {
    chooserOverride() = std::move(chooser);
}

}  // namespace rumbelo
