#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <optional>
#include <vector>

class QWidget;

// Where the user saves a file: the types a save dialog offers, what the user chose, and the
// extension a name typed without one gets.

// A kind of file a save dialog offers: its name and its extensions without the dot, the first
// the one given to a name typed without any of them ("Pagina HTML", {"html", "htm"}).
struct FileType {
    QString name;
    QStringList extensions;
};

// The pictures the tool saves, PNG first, then SVG; and its tables of numbers, CSV. Named in
// the language in use.
std::vector<FileType> ImageFileTypes();
std::vector<FileType> CsvFileTypes();

// The path the user chose and the type chosen with it, an index into the types offered.
struct ChosenFile {
    QString path;
    std::size_t type = 0;
};

// Asks the user where to save a file: the dialog's title, the proposed path (folder and name)
// and the file types offered, the first chosen at the start. Nothing when the user cancels.
class SaveFileChooser {
public:
    virtual ~SaveFileChooser() = default;
    virtual std::optional<ChosenFile> choose(QWidget* parent, const QString& title,
                                             const QString& proposedPath,
                                             const std::vector<FileType>& types) = 0;
};

// The path chosen when it ends in an extension offered, in any case; else with the chosen
// type's. Proposed names hold points ("..._D62.5pct_..."): what follows the last point is no
// extension unless the dialog offers it.
QString PathWithExtension(const ChosenFile& chosen, const std::vector<FileType>& types);

// The desktop's save dialog.
class DialogSaveFileChooser : public SaveFileChooser {
public:
    std::optional<ChosenFile> choose(QWidget* parent, const QString& title,
                                     const QString& proposedPath,
                                     const std::vector<FileType>& types) override;
};
