#pragma once

#include "TSkinComponent.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <vector>

class QWidget;

namespace tessarin::skin {

class TSkinnedWindow;

// Applies the skin of the registered skin components to the application's
// windows. A component's change of Active or of its skin sets the pending
// action (apply the skin to every window, remove it, read it again into
// every skinned window), which runs 250 ms later. While the skin is applied,
// the manager watches every top-level window being shown or activated (an
// application-wide event filter, installed while a main-form component is
// registered) and skins those the rules of WindowSkinRules.h take: a window
// being shown is skinned once it has handled its own show event, before it
// appears; any other at once.
//
// The program has one manager, application(); tests may make their own.
class TSkinManager : public QObject {
    Q_OBJECT

public:
    enum class Action { Apply, Remove, Reread };

    explicit TSkinManager(QObject* parent = nullptr);
    ~TSkinManager() override;

    // The application's manager, made on first use; the application object
    // owns it.
    static TSkinManager& application();

    // Registers a component: from now on its Active and skin changes are
    // followed, and, when it is active with a skin, the skin is applied
    // 250 ms later; a component without a skin becomes inactive.
    void registerComponent(TSkinComponent& component);

    // Sets the pending action and starts the 250 ms timer afresh.
    void schedule(Action action);
    // Runs the pending action now (what the timer does).
    void runPendingAction();
    // The timer that runs the pending action.
    const QTimer& pendingActionTimer() const noexcept { return timer_; }

    // Whether the skin is applied.
    bool active() const noexcept { return active_; }

    // Whether a window or control is skinned.
    static bool isSkinned(const QWidget& widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class When { Now, Shown };

    // Skins a window when the skin is applied and the rules take it.
    void skin(QWidget& window, When when);
    void applyToAll();
    void removeFromAll();
    void rereadAll();
    void componentGone(QObject* component);
    void dropWindowsWithoutComponent();

    std::vector<TSkinComponent*> components_;
    std::vector<QPointer<TSkinnedWindow>> windows_;
    QTimer timer_;
    Action pending_ = Action::Apply;
    bool active_ = false;
    bool watching_ = false;
};

} // namespace tessarin::skin
