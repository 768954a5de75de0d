// The menu "Lingua / Language" of both windows.
#include "ui/language_menu.h"

#include "figure/language.h"

#include <QActionGroup>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>

namespace {

// Each language under its own name.
struct LanguageItem {
    Language language;
    const char* name;
    const char* objectName;
};

constexpr LanguageItem items[] = {
    {Language::Italian, "Italiano", "actionItalian"},
    {Language::English, "English", "actionEnglish"},
};

// Keeps its check on the language in use, whichever window's menu chose it.
class LanguageMenu : public QMenu {
public:
    explicit LanguageMenu(QWidget* parent) : QMenu(QStringLiteral("Lingua / Language"), parent) {
        setObjectName(QStringLiteral("menuLanguage"));
        auto* group = new QActionGroup(this);
        for (const LanguageItem& item : items) {
            QAction* action = addAction(QString::fromUtf8(item.name));
            action->setObjectName(QString::fromUtf8(item.objectName));
            action->setCheckable(true);
            action->setActionGroup(group);
            const Language language = item.language;
            connect(action, &QAction::triggered, this, [language] {
                RememberLanguage(language);
                UseLanguage(language);
            });
        }
        checkLanguageInUse();
    }

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) {
            checkLanguageInUse();
        }
        QMenu::changeEvent(event);
    }

private:
    void checkLanguageInUse() {
        const QList<QAction*> entries = actions();
        for (std::size_t k = 0; k < std::size(items); ++k) {
            entries[qsizetype(k)]->setChecked(items[k].language == LanguageInUse());
        }
    }
};

} // namespace

void AddLanguageMenu(QMenuBar& menuBar) {
    menuBar.addMenu(new LanguageMenu(&menuBar));
}
