// The yardstick for start-up: a bare Qt window with a menu bar and one
// painted picture, ending right after its first paint.
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class Picture final : public QWidget {
public:
    Picture() : m_image(320, 378, QImage::Format_RGB32) {
        m_image.fill(Qt::darkGreen);
        setFixedSize(m_image.size());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).drawImage(0, 0, m_image);
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }

private:
    QImage m_image;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Game"))->addAction(QStringLiteral("New"));
    window.setCentralWidget(new Picture);
    window.show();
    return QApplication::exec();
}
