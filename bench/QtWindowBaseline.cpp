// The smallest Qt Widgets program that maps a maximized main window: what any start of a Qt
// program costs on this machine. Built twice, once linked with the browser engine as well, to
// show what mapping the engine's libraries at start would add.

#include <QApplication>
#include <QMainWindow>

#ifdef ZV_LINK_WEBENGINE
#include <QWebEngineProfile>
#endif

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
#ifdef ZV_LINK_WEBENGINE
    // Referenced, never called, so the engine's libraries are mapped at start.
    volatile auto keep = &QWebEngineProfile::defaultProfile;
    (void)keep;
#endif
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("baseline"));
    window.showMaximized();
    return application.exec();
}
