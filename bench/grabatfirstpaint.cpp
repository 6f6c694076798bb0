// At the first paint of the first top-level window, writes what the user
// first sees into $TOVY_BENCH_GRAB_DIR and ends the process: the window
// (window.png) and the program's icon (icon.png). The menus are made only
// when they open; their tests cover them. bench/compare-first-picture.sh
// compares two builds' pictures.
// Linked into tovy_bench_grab, so the program itself is unchanged.

#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <cstdlib>

namespace {

bool Grab(QWidget &window, const QString &dir)
{
    bool ok = window.grab().save(dir + QStringLiteral("/window.png"));
    ok = QGuiApplication::windowIcon().pixmap(QSize(256, 256)).save(dir + QStringLiteral("/icon.png")) && ok;
    return ok;
}

class GrabAtFirstPaint : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!seen_ && event->type() == QEvent::Paint) {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->isWindow()) {
                seen_ = true;
                QPointer<QWidget> window(widget);
                QMetaObject::invokeMethod(
                    QCoreApplication::instance(),
                    [window] {
                        const QString dir = qEnvironmentVariable("TOVY_BENCH_GRAB_DIR", QStringLiteral("."));
                        QDir().mkpath(dir);
                        std::_Exit(window && Grab(*window, dir) ? 0 : 1);
                    },
                    Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    bool seen_ = false;
};

void InstallGrabAtFirstPaint()
{
    QCoreApplication *app = QCoreApplication::instance();
    app->installEventFilter(new GrabAtFirstPaint(app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallGrabAtFirstPaint)
