// The save dialog: the types offered, the choice, the extension of a name typed without one.
#include "ui/save_dialog.h"

#include "figure/language.h"

#include <QFileDialog>
#include <QFileInfo>
#include <algorithm>

namespace {

// "Immagine PNG (*.png)".
QString DialogFilter(const FileType& type) {
    QStringList patterns;
    for (const QString& extension : type.extensions) {
        patterns << QStringLiteral("*.") + extension;
    }
    return QStringLiteral("%1 (%2)").arg(type.name, patterns.join(u' '));
}

} // namespace

std::vector<FileType> ImageFileTypes() {
    return {{Translated("SaveDialog", QT_TRANSLATE_NOOP("SaveDialog", "Immagine PNG")),
             {QStringLiteral("png")}},
            {Translated("SaveDialog", QT_TRANSLATE_NOOP("SaveDialog", "Immagine vettoriale SVG")),
             {QStringLiteral("svg")}}};
}

std::vector<FileType> CsvFileTypes() {
    return {{Translated("SaveDialog", QT_TRANSLATE_NOOP("SaveDialog", "Dati CSV")),
             {QStringLiteral("csv")}}};
}

std::optional<ChosenFile> DialogSaveFileChooser::choose(QWidget* parent, const QString& title,
                                                        const QString& proposedPath,
                                                        const std::vector<FileType>& types) {
    QStringList filters;
    for (const FileType& type : types) {
        filters << DialogFilter(type);
    }
    QString selected = filters.value(0);
    const QString path = QFileDialog::getSaveFileName(
        parent, title, proposedPath, filters.join(QStringLiteral(";;")), &selected);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return ChosenFile{path,
                      static_cast<std::size_t>(std::max<qsizetype>(filters.indexOf(selected), 0))};
}

QString PathWithExtension(const ChosenFile& chosen, const std::vector<FileType>& types) {
    const QString suffix = QFileInfo(chosen.path).suffix();
    for (const FileType& type : types) {
        if (type.extensions.contains(suffix, Qt::CaseInsensitive)) {
            return chosen.path;
        }
    }
    return chosen.path + u'.' + types.at(chosen.type).extensions.front();
}
