// The yardstick for start-up: a bare Qt window with a menu bar and one
// painted picture, ending right after its first paint. The picture is the
// view of the smallest board, or `width`x`height` logical pixels when given
// (the game's probe prints its view's size so).
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
    explicit Picture(QSize size) : m_image(size, QImage::Format_RGB32) {
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

// The picture's size from "<width>x<height>", or the smallest board's view.
QSize PictureSize(const QStringList& arguments) {
    const QStringList parts = arguments.value(1).split(QLatin1Char('x'));
    const QSize size(parts.value(0).toInt(), parts.value(1).toInt());
    return size.isEmpty() ? QSize(320, 378) : size;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Game"))->addAction(QStringLiteral("New"));
    window.setCentralWidget(new Picture(PictureSize(QApplication::arguments())));
    window.show();
    return QApplication::exec();
}
