#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tessarin::skin {

// The built-in class-to-kind list: lines "ClassName=Kind" for the control
// classes whose kind their name does not tell.
QStringList defaultClassKindMap();

// The kind a list gives a control class: the text after the first "=" (at
// most 50 characters, lower-cased) of the first line that begins, lower-cased,
// with the lower-cased class name and "="; nothing when no line names the
// class. The kind "nil" means the class is not skinned.
std::optional<QString> classKindIn(const QStringList& map, const QString& className);

} // namespace tessarin::skin
