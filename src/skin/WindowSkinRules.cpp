#include "WindowSkinRules.h"

#include <QColorDialog>
#include <QErrorMessage>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QWidget>

#include <algorithm>

namespace tessarin::skin {

QString className(const QObject& object) {
    const QString name = QString::fromLatin1(object.metaObject()->className());
    return name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
}

bool isStandardDialog(const QWidget& window) {
    return qobject_cast<const QMessageBox*>(&window) || qobject_cast<const QInputDialog*>(&window) ||
           qobject_cast<const QFileDialog*>(&window) || qobject_cast<const QColorDialog*>(&window) ||
           qobject_cast<const QFontDialog*>(&window) || qobject_cast<const QProgressDialog*>(&window) ||
           qobject_cast<const QErrorMessage*>(&window);
}

bool hasDialogFrame(const QWidget& window) {
    return isStandardDialog(window) || window.windowType() == Qt::Tool ||
           window.windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint);
}

int tagOf(const QObject& object) { return object.property("Tag").toInt(); }

bool windowQualifies(const QWidget& window, const TSkinComponent& component) {
    if (!window.isWindow())
        return false;
    switch (window.windowType()) {
    case Qt::Window:
    case Qt::Dialog:
    case Qt::Sheet:
    case Qt::Tool:
        break;
    default:
        return false;
    }
    const QString name = className(window);
    if (window.size().isEmpty() || tagOf(window) == 99 || name == QLatin1String("TApplication"))
        return false;
    if (name.contains(QLatin1String("preview"), Qt::CaseInsensitive) &&
        !component.options().contains(TSkinOption::xoPreview))
        return false;
    return component.hasSkin();
}

TSkinComponent* componentFor(const QWidget& window, const std::vector<TSkinComponent*>& registered) {
    if (registered.empty())
        return nullptr;
    if (!isStandardDialog(window))
        return registered.front();
    for (TSkinFormKind kind : {TSkinFormKind::sfDialog, TSkinFormKind::sfMainform}) {
        const auto found = std::find_if(registered.begin(), registered.end(),
                                        [kind](const TSkinComponent* component) { return component->skinFormKind() == kind; });
        if (found != registered.end())
            return *found;
    }
    return registered.front();
}

} // namespace tessarin::skin
