#include "panel/daily_panel.h"

#include <QPainter>

#include "engine/date_text.h"
#include "engine/ecliptic_marker.h"
#include "ui/art/artwork.h"
#include "ui/sign_glyph.h"
#include "ui/twips.h"

namespace selenar {

namespace {

// Twips of the panel surface (Picture2).
constexpr int kPanelWidth = 2700, kPanelHeight = 7080;
constexpr int kZodiacTop = 3875, kZodiacHeight = 3210;
constexpr int kMarkerSize = 240;

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

// Panel texts break lines with CR LF; a label wants a plain line feed.
QString Lines(const std::string& text) { return FromUtf8(text).replace("\r\n", "\n"); }

QLabel* Picture(QWidget* parent, const QString& name, QRect geometry, const QPixmap& pixmap,
                const QString& tip) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(geometry);
  label->setPixmap(pixmap);
  label->setAlignment(Qt::AlignCenter);
  label->setToolTip(tip);
  return label;
}

}  // namespace

DailyPanel::DailyPanel(QWidget* parent)
    : QWidget(parent), sky_(art::NightSky(TwipsRect(0, 0, kPanelWidth, kPanelHeight).size())) {
  setObjectName("Picture2");
  setFixedSize(sky_.size());
  zodiacArea_ = ZodiacBackground();

  const QRect phaseRect = TwipsRect(75, 120, 2550, 2550);
  phase_ = new PhasePicture(this, art::FullMoon(sky_.copy(phaseRect)));
  phase_->move(phaseRect.topLeft());

  const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
  dayCaption_ =
      std::make_unique<ShadowedText>(phase_, "Label9", TwipsRect(-15, 690, 2580, 255), "Label8",
                                     TwipsRect(0, 705, 2580, 255), PanelFont(9.75, true), centred);
  dayCaption_->SetText("Лунный день:");
  lunarDay_ =
      std::make_unique<ShadowedText>(phase_, "Label6", TwipsRect(-75, 930, 2685, 525), "Label5",
                                     TwipsRect(-75, 960, 2700, 540), PanelFont(18, true), centred);
  visibility_ = std::make_unique<ShadowedText>(phase_, "Label73", TwipsRect(90, 1485, 2370, 240),
                                               "Label72", TwipsRect(105, 1500, 2370, 240),
                                               PanelFont(8.25, true), centred);
  phaseText_ =
      std::make_unique<ShadowedText>(phase_, "Label13", TwipsRect(45, 1785, 2445, 780), "Label14",
                                     TwipsRect(60, 1800, 2445, 780), PanelFont(9.75), centred);

  Picture(this, "Image1", TwipsRect(270, 2805, 330, 330), art::PhaseIcon(false, Px(330)),
          "Новолуние");
  Picture(this, "Image2", TwipsRect(270, 3300, 330, 330), art::PhaseIcon(true, Px(330)),
          "Полнолуние");
  struct Link {
    const char* name;
    int top;
    const char* tip;
  };
  const Link links[] = {{"Label1", 2775, "Предыдущее новолуние"},
                        {"Label2", 2985, "Следующее новолуние"},
                        {"Label12", 3270, "Предыдущее полнолуние"},
                        {"Label11", 3465, "Следующее полнолуние"}};
  for (std::size_t i = 0; i < links_.size(); ++i) {
    auto* link = new LinkLabel(this);
    link->setObjectName(links[i].name);
    link->setGeometry(TwipsRect(720, links[i].top, 2175, 255));
    link->setFont(PanelFont(8.25));
    link->setStyleSheet("color: #ffff00;");
    link->setCursor(Qt::PointingHandCursor);
    link->setToolTip(links[i].tip);
    connect(link, &LinkLabel::clicked, this, [this, link] { emit phaseLinkClicked(link->text()); });
    links_[i] = link;
  }

  position_ = std::make_unique<ShadowedText>(this, "Label10", TwipsRect(30, 3870, 2625, 255),
                                             "Label3", TwipsRect(45, 3900, 2625, 255),
                                             PanelFont(9.75, true), centred);
  marker_ = Picture(this, "Image111", TwipsRect(0, 0, kMarkerSize, kMarkerSize),
                    art::MoonMarker(Px(kMarkerSize)), "");
  marker_->hide();
  ascending_ = Picture(this, "Image4", TwipsRect(120, 6480, 480, 480),
                       art::CourseArrow(true, Px(480)), "Восходящая Луна");
  descending_ = Picture(this, "Image3", TwipsRect(120, 6480, 480, 480),
                        art::CourseArrow(false, Px(480)), "Нисходящая Луна");
  ascending_->hide();
  descending_->hide();
  element_ =
      std::make_unique<ShadowedText>(this, "Label23", TwipsRect(600, 6735, 1560, 255), "Label22",
                                     TwipsRect(615, 6750, 1560, 255), PanelFont(9.75), centred);
  element_->Yellow()->setToolTip("Качество дня");
  glyph_ = std::make_unique<ShadowedText>(this, "Label4", TwipsRect(2220, 6420, 375, 585), "Label7",
                                          TwipsRect(2265, 6450, 375, 585), PanelFont(24, true),
                                          Qt::AlignRight | Qt::AlignTop);
}

void DailyPanel::ShowValues(const DayValues& values, bool eclipticShown) {
  const QString lunarDay = QString::number(static_cast<int>(values.lunarDay));
  lunarDay_->SetText(lunarDay);
  DrawPhaseDisk(values.phaseAngle, *phase_);
  visibility_->SetText(FromUtf8(values.visibilityText));

  if (eclipticShown) {
    const TwipPoint topLeft = EclipticMarkerTopLeft(values.longitude, kMarkerSize, kMarkerSize);
    marker_->move(Px(topLeft.x), Px(topLeft.y));
  } else {
    // The large picture is repainted only when the sign changes.
    if (signPictureCache_.toInt() != values.sign) PaintZodiacArea(SignPictureOf(values.sign));
    signPictureCache_ = QString::number(values.sign);
  }

  position_->SetText(FromUtf8(values.signPosition));
  SignGlyph(values.sign, glyph_->Yellow());
  SignGlyph(values.sign, glyph_->Black());
  glyph_->Yellow()->setToolTip(position_->Black()->text());

  const SerialDate phases[] = {values.previousNewMoon, values.nextNewMoon, values.previousFullMoon,
                               values.nextFullMoon};
  for (std::size_t i = 0; i < links_.size(); ++i) {
    links_[i]->setText(FromUtf8(GeneralDateText(phases[i])));
  }
  phaseText_->SetText(Lines(values.phaseText));

  ascending_->setVisible(values.courseCode == 1);
  descending_->setVisible(values.courseCode == 2);
  element_->SetText(FromUtf8(values.elementText));
}

void DailyPanel::ShowEcliptic(bool shown) {
  marker_->setVisible(shown);
  if (!shown) return;
  if (wheel_.isNull()) {
    const QPointF centre(kWheelCentreX / kTwipsPerPixel,
                         (kWheelCentreY - kZodiacTop) / kTwipsPerPixel);
    wheel_ = art::EclipticWheel(ZodiacBackground(), centre, kWheelRadius / kTwipsPerPixel);
  }
  PaintZodiacArea(wheel_);
  signPictureCache_ = "-1";
}

void DailyPanel::PaintZodiacArea(const QImage& picture) {
  zodiacArea_ = picture;
  ++signPicturePaints_;
  update();
}

const QImage& DailyPanel::SignPictureOf(int sign) {
  static const QImage none;
  if (sign < 1 || sign > 12) return none;
  QImage& picture = signPictures_[std::size_t(sign - 1)];
  if (picture.isNull()) picture = art::SignPicture(sign, ZodiacBackground());
  return picture;
}

QImage DailyPanel::ZodiacBackground() const {
  return sky_.copy(TwipsRect(0, kZodiacTop, kPanelWidth, kZodiacHeight));
}

void DailyPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, sky_);
  if (!zodiacArea_.isNull()) painter.drawImage(0, Px(kZodiacTop), zodiacArea_);
}

}  // namespace selenar
