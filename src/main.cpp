#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "app/base_ball_form.h"
#include "app/work_folder.h"
#include "form/fonts.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyfold"));
    QApplication::setApplicationVersion(QStringLiteral(TALLYFOLD_VERSION));
    fonts::installSubstitutions();
    try {
        // tallyfold [FOLDER]
        TBaseBall BaseBall(openWorkFolder(QCoreApplication::arguments().mid(1)));
        BaseBall.show();
        BaseBall.activateWindow();
        app.exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Tallyfold"), QString::fromLocal8Bit(e.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, QStringLiteral("Tallyfold"), QString());
    }
    return 0;
}
