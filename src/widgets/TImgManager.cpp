#include "TImgManager.h"

namespace tessarin::widgets {

TImgManager::TImgManager(QObject* parent) : QObject(parent) {}

} // namespace tessarin::widgets
