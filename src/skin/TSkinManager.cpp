#include "TSkinManager.h"

#include "TSkinControl.h"
#include "TSkinnedWindow.h"
#include "WindowSkinRules.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <ranges>

namespace tessarin::skin {
namespace {

constexpr int applyDelay = 250;

// Gives the window its own look back and forgets its skin.
void drop(TSkinnedWindow* window) {
    window->remove();
    delete window;
}

} // namespace

TSkinManager::TSkinManager(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setInterval(applyDelay);
    connect(&timer_, &QTimer::timeout, this, &TSkinManager::runPendingAction);
}

TSkinManager::~TSkinManager() {
    if (watching_ && qApp)
        qApp->removeEventFilter(this);
}

TSkinManager& TSkinManager::application() {
    static QPointer<TSkinManager> manager;
    if (!manager)
        manager = new TSkinManager(qApp);
    return *manager;
}

void TSkinManager::registerComponent(TSkinComponent& component) {
    if (std::ranges::find(components_, &component) != components_.end())
        return;
    components_.push_back(&component);
    connect(&component, &TSkinComponent::activeChanged, this,
            [this](bool active) { schedule(active ? Action::Apply : Action::Remove); });
    connect(&component, &TSkinComponent::skinChanged, this, [this] { schedule(Action::Reread); });
    connect(&component, &QObject::destroyed, this, &TSkinManager::componentGone);
    if (component.skinFormKind() == TSkinFormKind::sfMainform && !watching_) {
        watching_ = true;
        qApp->installEventFilter(this);
    }
    if (component.active() && component.hasSkin())
        schedule(Action::Apply);
    else
        component.setActive(false);
}

void TSkinManager::componentGone(QObject* component) {
    std::erase(components_, static_cast<TSkinComponent*>(component));
    // Windows that are themselves going away with the component drop their
    // skins with them; the others get their own looks back afterwards.
    QTimer::singleShot(0, this, &TSkinManager::dropWindowsWithoutComponent);
}

void TSkinManager::dropWindowsWithoutComponent() {
    for (const QPointer<TSkinnedWindow>& window : windows_) {
        if (window && !window->component())
            drop(window);
    }
    std::erase_if(windows_, [](const QPointer<TSkinnedWindow>& window) { return !window; });
}

void TSkinManager::schedule(Action action) {
    pending_ = action;
    timer_.start();
}

void TSkinManager::runPendingAction() {
    timer_.stop();
    switch (pending_) {
    case Action::Apply:
        applyToAll();
        break;
    case Action::Remove:
        removeFromAll();
        break;
    case Action::Reread:
        rereadAll();
        break;
    }
}

void TSkinManager::applyToAll() {
    active_ = true;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows | std::views::reverse) {
        if (window->isVisible())
            skin(*window, When::Now);
    }
}

void TSkinManager::removeFromAll() {
    active_ = false;
    for (const QPointer<TSkinnedWindow>& window : windows_) {
        if (window)
            drop(window);
    }
    windows_.clear();
}

void TSkinManager::rereadAll() {
    for (const QPointer<TSkinnedWindow>& window : windows_) {
        if (window && window->applied()) {
            window->remove();
            window->apply();
        }
    }
}

void TSkinManager::skin(QWidget& window, When when) {
    if (!active_)
        return;
    // The skin of a component that has gone is dropped before anything else.
    if (TSkinnedWindow* stale = TSkinnedWindow::of(window); stale && !stale->component())
        drop(stale);
    if (isSkinned(window) || TSkinnedWindow::of(window))
        return;
    TSkinComponent* component = componentFor(window, components_);
    if (!component || !windowQualifies(window, *component))
        return;
    auto* skinned = new TSkinnedWindow(window, *component);
    windows_.emplace_back(skinned);
    if (when == When::Shown)
        skinned->applyWhenShown();
    else
        skinned->apply();
}

bool TSkinManager::isSkinned(const QWidget& widget) {
    if (const TSkinnedWindow* window = TSkinnedWindow::of(widget); window && window->applied())
        return true;
    const TSkinControl* control = TSkinControl::of(widget);
    return control && control->skinningEnabled();
}

bool TSkinManager::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (active_ && (type == QEvent::Show || type == QEvent::WindowActivate) && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow())
            skin(*widget, type == QEvent::Show ? When::Shown : When::Now);
    }
    return false;
}

} // namespace tessarin::skin
