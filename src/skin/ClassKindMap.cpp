#include "ClassKindMap.h"

namespace tessarin::skin {

QStringList defaultClassKindMap() { return {QStringLiteral("TDataCheckBox=Checkbox")}; }

std::optional<QString> classKindIn(const QStringList& map, const QString& className) {
    const QString prefix = className.toLower() + QLatin1Char('=');
    for (const QString& line : map) {
        const QString lower = line.toLower();
        if (lower.startsWith(prefix))
            return lower.mid(prefix.size(), 50);
    }
    return std::nullopt;
}

} // namespace tessarin::skin
