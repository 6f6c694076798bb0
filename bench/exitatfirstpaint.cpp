// Ends the process right after the first top-level window has painted and
// its paint has been flushed: the moment a user first sees the window.
// Linked into each start-up benchmark, so the program itself is unchanged.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <cstdlib>

namespace {

class ExitAtFirstPaint : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!seen_ && event->type() == QEvent::Paint) {
            const auto *widget = qobject_cast<const QWidget *>(watched);
            if (widget && widget->isWindow()) {
                seen_ = true;
                // Queued, so the children's paint and the flush come first;
                // _Exit skips the teardown, which no user waits for.
                QMetaObject::invokeMethod(QCoreApplication::instance(), [] { std::_Exit(0); },
                                          Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    bool seen_ = false;
};

void InstallExitAtFirstPaint()
{
    QCoreApplication *app = QCoreApplication::instance();
    app->installEventFilter(new ExitAtFirstPaint(app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallExitAtFirstPaint)
