#include "app/splash_screen.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

static void LoadResources() { Q_INIT_RESOURCE(quarrion); }

SplashScreen::SplashScreen()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      message_(new QLabel(this)) {
  LoadResources();
  setObjectName(QStringLiteral("Splash"));
  setAutoFillBackground(true);
  setStyleSheet(QStringLiteral("#Splash { background: white; border: 1px solid #606060; }"));
  auto* picture = new QLabel(this);
  picture->setPixmap(QPixmap(QStringLiteral(":/quarrion/quarrion-128.png")));
  picture->setAlignment(Qt::AlignCenter);
  auto* name = new QLabel(QStringLiteral("Quarrion"), this);
  QFont big = name->font();
  big.setPointSize(big.pointSize() * 2);
  big.setBold(true);
  name->setFont(big);
  name->setAlignment(Qt::AlignCenter);
  auto* version = new QLabel(QStringLiteral("Version 1.0"), this);
  version->setAlignment(Qt::AlignCenter);
  message_->setAlignment(Qt::AlignCenter);
  message_->setMinimumWidth(320);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 24, 24, 16);
  layout->addWidget(picture);
  layout->addWidget(name);
  layout->addWidget(version);
  layout->addSpacing(12);
  layout->addWidget(message_);
  Progress(QStringLiteral("Initialising"));
  adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void SplashScreen::Progress(const QString& text) {
  message_->setText(text + QStringLiteral(" ..."));
  if (isVisible()) message_->repaint();
}

QString SplashScreen::Message() const { return message_->text(); }
