#include "reading_ui/FormKit.h"

#include "platform/AppFrame.h"
#include "platform/Geometry.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>

namespace kestrune::reading_ui {

QString readingCaption() { return QStringLiteral("Kestrune v1.55"); }

void setFixedBorder(QWidget* window, bool minimizeButton)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                            | Qt::MSWindowsFixedSizeDialogHint;
    if (minimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
}

void setClientAreaTwips(QWidget* window, int widthTwips, int heightTwips)
{
    window->setFixedSize(platform::twips(widthTwips), platform::twips(heightTwips));
}

void setClientAreaTwips(QMainWindow* window, QWidget* central, int widthTwips, int heightTwips)
{
    central->setFixedSize(platform::twips(widthTwips), platform::twips(heightTwips));
    window->setCentralWidget(central);
    const int menuHeight = window->menuBar() ? window->menuBar()->sizeHint().height() : 0;
    window->setFixedSize(central->width(), central->height() + menuHeight);
}

void centreOnScreen(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}

void setButtonColour(QAbstractButton* button, const QColor& colour)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, colour);
    button->setPalette(palette);
    // Styles shade a button's face from its palette colour (a gradient, a
    // lighter tint); a style sheet gives the flat face in the colour itself,
    // with a thin border and a darker face while pressed.
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid %2; }"
                                         " QPushButton:pressed { background-color: %3; border-color: %4; }")
                              .arg(colour.name(), colour.darker(250).name(), colour.darker(115).name(),
                                   colour.darker(400).name()));
}

void setClassicFrame(QGroupBox* frame, const QColor& background)
{
    const int halfCaption = QFontMetrics(frame->font()).height() / 2;
    frame->setStyleSheet(QStringLiteral("QGroupBox#%1 { background-color: %2; background-clip: margin;"
                                        " border: 1px solid palette(mid); margin-top: %3px; }"
                                        " QGroupBox#%1::title { subcontrol-origin: margin;"
                                        " subcontrol-position: top left; left: 7px; padding: 0px 1px; }")
                             .arg(frame->objectName(), background.name())
                             .arg(halfCaption));
}

void paintNow(QWidget* window)
{
    window->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool loadPicture(QLabel* label, const QString& path)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    label->setPixmap(QPixmap::fromImage(image));
    return true;
}

void CloseRule::navigate(QWidget* window)
{
    m_navigating = true;
    window->close();
}

void CloseRule::closing(QCloseEvent* event)
{
    event->accept();
    if (m_navigating || platform::isEnding())
        return;
    platform::EndApplication();
}

} // namespace kestrune::reading_ui
