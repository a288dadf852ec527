// The page catalogue of the wizard window: every region, page and control,
// with its catalogue name as objectName, its caption, hint, limits and
// initial value. Positions are fixed, as on the suite's other windows; the
// fields of each page are created in their tab order, so the focus chain
// follows the catalogue.
#include "controls/EnterForms.h"
#include "controls/MemoTarvo.h"
#include "controls/TarvoDateEdit.h"
#include "controls/TarvoEdit.h"
#include "controls/TarvoNumberEdit.h"
#include "resources/DataModuleMenus.h"
#include "wizard/WizardWidgets.h"
#include "wizard/q7UpdateModulo.h"

#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <initializer_list>

namespace {

// Geometry shared by the pages.
constexpr int kWindowWidth = 429;
constexpr int kWindowHeight = 468;
constexpr int kHeaderHeight = 40;
constexpr int kButtonBarHeight = 42;
constexpr int kFieldHeight = 21;
constexpr int kShadowOffset = 3;

QString S(const char *utf8) { return QString::fromUtf8(utf8); }

template <class T>
T *Named(T *widget, const char *name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &caption, int x, int y,
                  int width, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
  auto *label = Named(new QLabel(caption, parent), name);
  label->setGeometry(x, y, width, kFieldHeight);
  label->setAlignment(align);
  return label;
}

// A text that wraps inside the given width; its height follows the text.
QLabel *MakeText(QWidget *parent, const char *name, const QString &text, int x, int y, int width,
                 int height) {
  auto *label = Named(new QLabel(text, parent), name);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(x, y, width, height);
  return label;
}

// The gray rectangle behind an entry field, a few pixels to the right and
// down; created before the field so that it lies behind it.
QFrame *MakeShadow(QWidget *parent, const QString &name, int x, int y, int width, int height) {
  auto *shadow = new TShape(parent);
  shadow->setObjectName(name);
  shadow->setFrameShape(QFrame::NoFrame);
  shadow->setAutoFillBackground(true);
  QPalette palette = shadow->palette();
  palette.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
  shadow->setPalette(palette);
  shadow->setGeometry(x + kShadowOffset, y + kShadowOffset, width, height);
  q7::SetTag(shadow, 0);
  shadow->setFocusPolicy(Qt::NoFocus);
  return shadow;
}

QFrame *ShadowFor(QWidget *parent, const char *fieldName, int x, int y, int width,
                  int height = kFieldHeight, const char *shadowName = nullptr) {
  return MakeShadow(parent,
                    shadowName ? QString::fromLatin1(shadowName)
                               : QStringLiteral("Shape") + QString::fromLatin1(fieldName),
                    x, y, width, height);
}

TTarvoEdit *MakeTextField(QWidget *parent, const char *name, int x, int y, int width,
                          const QString &hint = {}, const char *shadowName = nullptr) {
  ShadowFor(parent, name, x, y, width, kFieldHeight, shadowName);
  auto *field = Named(new TTarvoEdit(parent), name);
  field->SetTipoEdicion(TTarvoEdit::Simple);
  field->SetElementos(0);
  field->SetFillCero(false);
  field->SetMaxLength(0);
  field->setGeometry(x, y, width, kFieldHeight);
  if (!hint.isEmpty()) field->SetHint(hint);
  return field;
}

TMemoTarvo *MakeMemo(QWidget *parent, const char *name, int x, int y, int width, int height) {
  ShadowFor(parent, name, x, y, width, height);
  auto *memo = Named(new TMemoTarvo(parent), name);
  memo->SetMaxLineas(3);
  memo->setGeometry(x, y, width, height);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return memo;
}

TTarvoDateEdit *MakeDateField(QWidget *parent, const char *name, int x, int y,
                              const QString &hint) {
  constexpr int width = 110;
  ShadowFor(parent, name, x, y, width);
  auto *field = Named(new TTarvoDateEdit(parent), name);
  field->SetForceCentury(true);
  field->SetEpoch(0);
  field->SetAllowBlank(false);
  field->SetTodayString(QStringLiteral("-"));
  field->SetShowButton(true);
  field->setGeometry(x, y, width, kFieldHeight);
  if (!hint.isEmpty()) field->SetHint(hint);
  return field;
}

struct NumberSettings {
  TTarvoNumberEdit::TDato tipo = TTarvoNumberEdit::Reales;
  double minValor = 0;
  double maxValor = 100;
  double actValor = 0;
  int decimales = 2;
  TTarvoNumberEdit::TPorcent porcent = TTarvoNumberEdit::Numero;
  bool hideSeparator = false;
  bool showButton = false;
  double initText = 0;
};

NumberSettings Rate() {  // tax and service rates
  NumberSettings s;
  s.porcent = TTarvoNumberEdit::Porcentaje;
  return s;
}

NumberSettings Year(double minValor = 0, double actValor = 0) {
  NumberSettings s;
  s.tipo = TTarvoNumberEdit::Entero;
  s.minValor = minValor;
  s.maxValor = 9999;
  s.actValor = actValor;
  s.decimales = 0;
  s.hideSeparator = true;
  s.initText = actValor;
  return s;
}

// How many lines a plain text takes when wrapped at words within width.
int WrappedLines(const QString &text, const QFont &font, int width) {
  const QFontMetrics metrics(font);
  const QRect box = metrics.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, text);
  return qRound(double(box.height()) / metrics.lineSpacing());
}

// Gives an entry field that takes no typing the window's colour behind its
// text, so it does not look like one that does; follows the field as it is
// made read-only or editable again.
class ReadOnlyLook : public QObject {
 public:
  explicit ReadOnlyLook(QLineEdit *field) : QObject(field), m_base(field->palette().color(QPalette::Base)) {
    field->installEventFilter(this);
    Apply(field);
  }
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() == QEvent::ReadOnlyChange) Apply(static_cast<QLineEdit *>(watched));
    return false;
  }

 private:
  void Apply(QLineEdit *field) const {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, field->isReadOnly() ? palette.color(QPalette::Window) : m_base);
    field->setPalette(palette);
  }
  QColor m_base;
};

TTarvoNumberEdit *MakeNumberField(QWidget *parent, const char *name, int x, int y, int width,
                                  const NumberSettings &s, const QString &hint = {}) {
  ShadowFor(parent, name, x, y, width);
  auto *field = Named(new TTarvoNumberEdit(parent), name);
  field->SetTipoDato(s.tipo);
  field->SetNNegative(false);
  field->SetDecimales(s.decimales);
  field->SetMaxValor(s.maxValor);
  field->SetMinValor(s.minValor);
  field->SetActValor(s.actValor);
  field->SetPorcent(s.porcent);
  field->SetHideSeparator(s.hideSeparator);
  field->SetShowButton(s.showButton);
  field->SetInitText(s.initText);
  field->setGeometry(x, y, width, kFieldHeight);
  field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  if (!hint.isEmpty()) field->setToolTip(hint);
  new ReadOnlyLook(field);
  return field;
}

QCheckBox *MakeLeftCheck(QWidget *parent, const char *name, const QString &caption, int x, int y,
                         int width, bool checked, const QString &hint = {}) {
  auto *box = Named(new LeftCaptionCheckBox(caption, parent), name);
  box->setGeometry(x, y, width, kFieldHeight);
  box->setChecked(checked);
  if (!hint.isEmpty()) box->setToolTip(hint);
  return box;
}

QGroupBox *MakeGroup(QWidget *parent, const char *name, const QString &caption, int x, int y,
                     int width, int height) {
  auto *group = Named(new QGroupBox(caption, parent), name);
  group->setGeometry(x, y, width, height);
  return group;
}

// An inner page holding one group box that fills it.
QGroupBox *FillPageWithGroup(QWidget *page, const char *name, const QString &caption) {
  auto *layout = new QVBoxLayout(page);
  layout->setContentsMargins(4, 4, 4, 4);
  auto *group = Named(new QGroupBox(caption, page), name);
  layout->addWidget(group);
  return group;
}

QTabWidget *MakePageControl(QWidget *parent, const char *name) {
  auto *pages = Named(new QTabWidget(parent), name);
  pages->tabBar()->hide();
  // The tabs are hidden, so the page control itself takes no focus: Tab and
  // Shift+Tab pass from the last field or button to the first and back
  // instead of stopping on a control that cannot show the focus.
  pages->setFocusPolicy(Qt::NoFocus);
  pages->setDocumentMode(false);
  return pages;
}

QWidget *AddPage(QTabWidget *pages, const char *name) {
  auto *page = Named(new QWidget, name);
  pages->addTab(page, QString::fromLatin1(name));
  return page;
}

// One row of a code page: the box that has the codes of a table generated
// and, beside it, the box that fills them in automatically.
struct CodeRow {
  QCheckBox **record;
  const char *recordName;
  const char *caption;
  QCheckBox **fill;
  const char *fillName;
  bool recordOn, fillOn;
};
// Where a code page puts its rows: the first row's top, the step between rows
// and the two columns.
struct CodeColumns {
  int top, step, recordX, recordW, fillX, fillW;
};

// The rows of a code page, row by row (record box, then its fill box), so the
// tab order runs across each row and then down.
void MakeCodeRows(QWidget *parent, std::initializer_list<CodeRow> rows, const CodeColumns &c) {
  int y = c.top;
  for (const CodeRow &r : rows) {
    *r.record = MakeLeftCheck(parent, r.recordName, S(r.caption), c.recordX, y, c.recordW, r.recordOn);
    *r.fill = MakeLeftCheck(parent, r.fillName, S("Rellenar Código automáticamente :"), c.fillX, y,
                            c.fillW, r.fillOn);
    y += c.step;
  }
}

// A group naming a tax or charge: "Nombre :" with its field, "Alicuota :"
// with its rate below. The caller adds what follows (the "Activo :" box, and
// for the second tax its kind) so that the tab order stays the page's.
struct TaxGroupSpec {
  const char *group;
  const char *caption;
  int y, height;
  const char *nameLabel, *nameField, *nameHint;
  const char *rateLabel, *rateField, *rateHint;
  // Where the window keeps the controls (nameLabelOut may be null: not kept).
  QLabel **nameLabelOut;
  TTarvoEdit **nameOut;
  QLabel **rateLabelOut;
  TTarvoNumberEdit **rateOut;
};
// Columns of the tax groups: captions right-aligned up to the fields; the
// "Activo :" box further right.
struct TaxColumns {
  int labelX, labelW, fieldX;
  static constexpr int checkX = 250, checkW = 110;
};

QGroupBox *MakeTaxGroup(QWidget *parent, const TaxGroupSpec &s, const TaxColumns &c) {
  const auto right = Qt::AlignRight | Qt::AlignVCenter;
  QGroupBox *box = MakeGroup(parent, s.group, S(s.caption), 8, s.y, 387, s.height);
  QLabel *nameLabel = MakeLabel(box, s.nameLabel, S("Nombre :"), c.labelX, 20, c.labelW, right);
  TTarvoEdit *name = MakeTextField(box, s.nameField, c.fieldX, 20, 200, S(s.nameHint));
  nameLabel->setBuddy(name);
  QLabel *rateLabel = MakeLabel(box, s.rateLabel, S("Alicuota :"), c.labelX, 48, c.labelW, right);
  TTarvoNumberEdit *rate = MakeNumberField(box, s.rateField, c.fieldX, 48, 90, Rate(), S(s.rateHint));
  rateLabel->setBuddy(rate);
  if (s.nameLabelOut) *s.nameLabelOut = nameLabel;
  *s.nameOut = name;
  *s.rateLabelOut = rateLabel;
  *s.rateOut = rate;
  return box;
}

// The "Activo :" box of a tax group, at the given row.
QCheckBox *MakeActiveCheck(QGroupBox *box, const char *name, int y, const char *hint) {
  return MakeLeftCheck(box, name, S("Activo :"), TaxColumns::checkX, y, TaxColumns::checkW, false,
                       S(hint));
}

// Header picture of a module: a colour band with the suite's mark and the
// module's name.
QPixmap HeaderPicture(const QString &title, const QColor &colour) {
  QPixmap picture(kWindowWidth, kHeaderHeight);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient gradient(0, 0, kWindowWidth, 0);
  gradient.setColorAt(0, colour.darker(160));
  gradient.setColorAt(0.6, colour);
  gradient.setColorAt(1, colour.lighter(150));
  painter.fillRect(picture.rect(), gradient);
  // The mark: a rounded square with "q7".
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 220));
  painter.drawRoundedRect(QRectF(8, 6, 28, 28), 6, 6);
  QFont mark(QStringLiteral("DejaVu Sans"));
  mark.setPixelSize(14);
  mark.setBold(true);
  painter.setFont(mark);
  painter.setPen(colour.darker(170));
  painter.drawText(QRectF(8, 6, 28, 28), Qt::AlignCenter, QStringLiteral("q7"));
  QFont titleFont(QStringLiteral("DejaVu Sans"));
  titleFont.setPixelSize(17);
  titleFont.setBold(true);
  painter.setFont(titleFont);
  painter.setPen(Qt::white);
  painter.drawText(QRectF(46, 0, kWindowWidth - 56, kHeaderHeight), Qt::AlignVCenter | Qt::AlignLeft,
                   title);
  QFont subtitle(QStringLiteral("DejaVu Sans"));
  subtitle.setPixelSize(10);
  painter.setFont(subtitle);
  painter.setPen(QColor(255, 255, 255, 200));
  painter.drawText(QRectF(46, 0, kWindowWidth - 56, kHeaderHeight - 4),
                   Qt::AlignBottom | Qt::AlignRight, S("Inicialización del módulo"));
  return picture;
}

// Picture of the final panel: a green disc with a check mark.
QPixmap FinalPicture() {
  QPixmap picture(48, 48);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x2e, 0x8b, 0x3a));
  painter.drawEllipse(QRectF(2, 2, 44, 44));
  QPen pen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter.setPen(pen);
  QPainterPath tick;
  tick.moveTo(13, 25);
  tick.lineTo(21, 33);
  tick.lineTo(35, 16);
  painter.drawPath(tick);
  return picture;
}

}  // namespace

void Tq7UpdateModuloForm::BuildCatalogue() {
  // A narrow face keeps the long captions of the code pages whole.
  QFont font(QStringLiteral("DejaVu Sans Condensed"));
  font.setPixelSize(11);
  setFont(font);

  BuildHeader();

  PanelGeneral = Named(new QFrame(this), "PanelGeneral");
  PanelGeneral->setGeometry(0, kHeaderHeight, kWindowWidth,
                            kWindowHeight - kHeaderHeight - kButtonBarHeight);

  PControlModulos = MakePageControl(PanelGeneral, "PControlModulos");
  PControlModulos->setGeometry(PanelGeneral->rect());
  PControlModulos->setDocumentMode(true);  // no frame around the module pages

  // Module pages in index order; each holds its inner page control.
  struct ModulePageSpec {
    QWidget **page;
    const char *name;
    QTabWidget **inner;
    const char *innerName;
  };
  const ModulePageSpec modules[] = {
      {&TabSAdministrativo, "TabSAdministrativo", &PageControlAdministrativo,
       "PageControlAdministrativo"},
      {&TabSContabilidad, "TabSContabilidad", &PageControContabilidad, "PageControContabilidad"},
      {&TabSNomina, "TabSNomina", &PageControlNomina, "PageControlNomina"},
      {&TabSFood, "TabSFood", &PageControlFood, "PageControlFood"},
      {&TabHotel, "TabHotel", &PageControlHotel, "PageControlHotel"},
  };
  for (const ModulePageSpec &m : modules) {
    *m.page = AddPage(PControlModulos, m.name);
    auto *layout = new QVBoxLayout(*m.page);
    layout->setContentsMargins(4, 4, 4, 4);
    *m.inner = MakePageControl(*m.page, m.innerName);
    layout->addWidget(*m.inner);
  }

  TabSheet1 = AddPage(PageControlAdministrativo, "TabSheet1");
  BuildAdminCompanyPage1();
  TabSheet5 = AddPage(PageControlAdministrativo, "TabSheet5");
  BuildAdminCompanyPage2();
  TabSheet2 = AddPage(PageControlAdministrativo, "TabSheet2");
  BuildAdminPeriodPage();
  TabSheet6 = AddPage(PageControlAdministrativo, "TabSheet6");
  BuildAdminTaxPage();
  TabSheet7 = AddPage(PageControlAdministrativo, "TabSheet7");
  BuildAdminCodePage();

  TabSheet3 = AddPage(PageControContabilidad, "TabSheet3");
  BuildAccountingYearPage();
  TabSheet4 = AddPage(PageControContabilidad, "TabSheet4");
  BuildPriceIndexPage();

  TabSheet8 = AddPage(PageControlNomina, "TabSheet8");
  BuildPayrollPage();

  TabSheet9 = AddPage(PageControlFood, "TabSheet9");
  BuildFoodGeneralPage();
  TabSheet10 = AddPage(PageControlFood, "TabSheet10");
  BuildFoodCodePage();

  TabFecha = AddPage(PageControlHotel, "TabFecha");
  BuildHotelPeriodPage();
  TabCodigosAut = AddPage(PageControlHotel, "TabCodigosAut");
  BuildHotelCodePage();

  TabSPaises = AddPage(PControlModulos, "TabSPaises");
  BuildCountryPage();

  BuildFinalPanel();
  BuildButtonBar();

  // The saving notice floats over the pages.
  PanelMensaje = Named(new QLabel(S("Espere guardando...."), this), "PanelMensaje");
  PanelMensaje->setFrameStyle(QFrame::Panel | QFrame::Raised);
  PanelMensaje->setLineWidth(2);
  PanelMensaje->setAlignment(Qt::AlignCenter);
  PanelMensaje->setAutoFillBackground(true);
  QFont bold = font;
  bold.setBold(true);
  PanelMensaje->setFont(bold);
  PanelMensaje->setGeometry(118, 196, 185, 41);
  PanelMensaje->hide();

  ConnectHandlers();
}

void Tq7UpdateModuloForm::BuildHeader() {
  PanelCabecera = Named(new QFrame(this), "PanelCabecera");
  PanelCabecera->setGeometry(0, 0, kWindowWidth, kHeaderHeight);
  struct HeaderSpec {
    QLabel **picture;
    const char *name;
    const char *title;
    QColor colour;
    bool visible;
  };
  const HeaderSpec headers[] = {
      {&CabeceraAdministrativo, "CabeceraAdministrativo", "Administrativo", QColor(0x1f, 0x5f, 0xa8), true},
      {&CabeceraContabilidad, "CabeceraContabilidad", "Contabilidad", QColor(0x2a, 0x7f, 0x62), false},
      {&CabeceraNomina, "CabeceraNomina", "Nómina", QColor(0x8a, 0x4f, 0xa8), true},
      {&CabeceraAlimentoBebidas, "CabeceraAlimentoBebidas", "Alimentos & Bebidas",
       QColor(0xb8, 0x5c, 0x1e), true},
      {&CabeceraHotel, "CabeceraHotel", "Hotelería", QColor(0x9c, 0x2a, 0x3c), true},
  };
  for (const HeaderSpec &h : headers) {
    *h.picture = Named(new QLabel(PanelCabecera), h.name);
    (*h.picture)->setPixmap(HeaderPicture(S(h.title), h.colour));
    (*h.picture)->setGeometry(0, 0, kWindowWidth, kHeaderHeight);
    (*h.picture)->setVisible(h.visible);
  }
}

void Tq7UpdateModuloForm::BuildButtonBar() {
  PanelBotones = Named(new QFrame(this), "PanelBotones");
  PanelBotones->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  PanelBotones->setGeometry(0, kWindowHeight - kButtonBarHeight, kWindowWidth, kButtonBarHeight);
  // Created in tab order: Siguiente, Finalizar, Anterior, Cancelar.
  auto button = [this](const char *name, const QString &caption, int left) {
    auto *b = Named(new QPushButton(caption, PanelBotones), name);
    b->setGeometry(left, 8, 75, 25);
    b->setAutoDefault(false);
    return b;
  };
  BSiguiente033 = button("BSiguiente033", S("&Siguiente"), 92);
  BGrabar001 = button("BGrabar001", S("&Finalizar"), 258);
  BAnterior032 = button("BAnterior032", S("&Anterior"), 9);
  BCancelar002 = button("BCancelar002", S("&Cancelar"), 175);
  BAnterior032->setEnabled(false);
  BGrabar001->hide();
}

void Tq7UpdateModuloForm::BuildFinalPanel() {
  PanelFinal = Named(new QFrame(PanelGeneral), "PanelFinal");
  PanelFinal->setGeometry(PanelGeneral->rect());
  PanelFinal->setAutoFillBackground(true);
  // Room for three lines of message (the longest module name takes two), the
  // button just under it, the group fitted round both and centred on the panel.
  const int lineHeight = QFontMetrics(font()).lineSpacing();
  const int messageTop = 30, messageHeight = 3 * lineHeight;
  const int buttonTop = messageTop + messageHeight + 16;
  const int groupHeight = buttonTop + 25 + 24;
  GroupBox10 = MakeGroup(PanelFinal, "GroupBox10", QString(), 20,
                         (PanelFinal->height() - groupHeight) / 2, kWindowWidth - 40, groupHeight);
  Image1 = Named(new QLabel(GroupBox10), "Image1");
  Image1->setPixmap(FinalPicture());
  Image1->setGeometry(20, 30, 48, 48);
  LMensaje = Named(new QLabel(GroupBox10), "LMensaje");
  LMensaje->setWordWrap(true);
  // Shown as rich text so that the run of blanks the message carries reads
  // as one space wherever the words wrap; text() keeps the blanks.
  LMensaje->setTextFormat(Qt::RichText);
  LMensaje->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  LMensaje->setText(S("Se guardaron los datos exitosamente, ya puede inicializar el") +
                    QString(34, u' ') + S("Módulo"));
  LMensaje->setGeometry(80, messageTop, 283, messageHeight);
  BSalir005 = Named(new QPushButton(S("&Salir"), GroupBox10), "BSalir005");
  BSalir005->setGeometry((GroupBox10->width() - 75) / 2, buttonTop, 75, 25);
  BSalir005->setAutoDefault(false);
  PanelFinal->hide();
}

// ---- Administrativo ---------------------------------------------------------

QWidget *Tq7UpdateModuloForm::BuildAdminCompanyPage1() {
  QGroupBox *g = FillPageWithGroup(TabSheet1, "GBDatosEmp1", S("Datos de la Empresa"));
  LDatosEmpre = MakeText(g, "LDatosEmpre",
                         S("Introduzca los datos de la empresa: dirección postal, NIT, RIF, fax, "
                           "e-mail, website entre   otros."),
                         14, 22, 370, 30);
  int y = 62;
  LNit = MakeLabel(g, "LNit", S("N.I.T :"), 14, y, 153);
  LRif = MakeLabel(g, "LRif", S("R.I.F :"), 193, y, 153);
  y += 18;
  ENitEmpre = MakeTextField(g, "ENitEmpre", 14, y, 153, {}, "Shape32");
  Shape32 = g->findChild<QFrame *>(QStringLiteral("Shape32"));
  Shape32->setGeometry(18, y + kShadowOffset, 153, kFieldHeight);
  ERifEmpre = MakeTextField(g, "ERifEmpre", 193, y, 153, {}, "Shape33");
  Shape33 = g->findChild<QFrame *>(QStringLiteral("Shape33"));
  Shape33->setGeometry(197, y + kShadowOffset, 153, kFieldHeight);
  LNit->setBuddy(ENitEmpre);
  LRif->setBuddy(ERifEmpre);
  y += 32;
  LDireccion = MakeLabel(g, "LDireccion", S("Dirección :"), 14, y, 200);
  y += 18;
  EDirEmpre = MakeMemo(g, "EDirEmpre", 14, y, 332, 50);
  LDireccion->setBuddy(EDirEmpre);
  y += 60;
  LRepresentante = MakeLabel(g, "LRepresentante", S("Representante :"), 14, y, 200);
  y += 18;
  ERepreEmpre = MakeTextField(g, "ERepreEmpre", 14, y, 332);
  LRepresentante->setBuddy(ERepreEmpre);
  y += 32;
  LRifRepresentante = MakeLabel(g, "LRifRepresentante", S("R.I.F. Representante :"), 14, y, 332);
  y += 18;
  ERifRepreEmpre = MakeTextField(g, "ERifRepreEmpre", 14, y, 153);
  LRifRepresentante->setBuddy(ERifRepreEmpre);
  y += 32;
  LTelefono = MakeLabel(g, "LTelefono", S("Teléfonos :"), 14, y, 200);
  y += 18;
  ETelefEmpre = MakeTextField(g, "ETelefEmpre", 14, y, 332);
  LTelefono->setBuddy(ETelefEmpre);
  GBDatosEmp1 = g;
  return TabSheet1;
}

QWidget *Tq7UpdateModuloForm::BuildAdminCompanyPage2() {
  QGroupBox *g = FillPageWithGroup(TabSheet5, "GBDatosEmp", S("Datos de la Empresa"));
  GBDatosEmp = g;
  int y = 26;
  QLabel *l = MakeLabel(g, "LDirPostal", S("Dirección Postal :"), 14, y, 200);
  y += 18;
  EDirPostalEmpre = MakeMemo(g, "EDirPostalEmpre", 14, y, 332, 50);
  l->setBuddy(EDirPostalEmpre);
  y += 60;
  l = MakeLabel(g, "LFax", S("Fax :"), 14, y, 200);
  y += 18;
  EFaxEmpre = MakeTextField(g, "EFaxEmpre", 14, y, 153);
  l->setBuddy(EFaxEmpre);
  y += 32;
  l = MakeLabel(g, "LEmail", S("E-Mail :"), 14, y, 200);
  y += 18;
  EEmailEmpre = MakeTextField(g, "EEmailEmpre", 14, y, 332);
  l->setBuddy(EEmailEmpre);
  y += 32;
  l = MakeLabel(g, "LWebsite", S("Website :"), 14, y, 200);
  y += 18;
  EWebEmpre = MakeTextField(g, "EWebEmpre", 14, y, 332);
  l->setBuddy(EWebEmpre);
  y += 38;
  CheckBContribuyenteEsp =
      Named(new QCheckBox(S("Contribuyente Especial"), g), "CheckBContribuyenteEsp");
  CheckBContribuyenteEsp->setGeometry(14, y, 250, kFieldHeight);
  CheckBContribuyenteEsp->setChecked(false);
  return TabSheet5;
}

QWidget *Tq7UpdateModuloForm::BuildAdminPeriodPage() {
  QGroupBox *g = FillPageWithGroup(TabSheet2, "GroupBox2", S("Período Actual en curso"));
  MakeText(g, "LTextoPeriodo",
           S("La  fecha  de  inicio  y  fin de  período indican las fechas  válidas para   la  "
             "inclusión   de   transacciones. Toda    fecha   fuera   de  este rango,  será "
             "considerada inválida."),
           14, 24, 370, 48);
  constexpr int labelX = 14, labelW = 190, fieldX = 210;
  int y = 90;
  QLabel *l = MakeLabel(g, "LFechaInicio", S("Fecha Inicio período en curso :"), labelX, y, labelW,
                        Qt::AlignRight | Qt::AlignVCenter);
  EFechaInicio = MakeDateField(g, "EFechaInicio", fieldX, y,
                               S("Indique la fecha inicio período en curso"));
  l->setBuddy(EFechaInicio);
  y += 34;
  l = MakeLabel(g, "LFechaFinal", S("Fecha Final período en curso :"), labelX, y, labelW,
                Qt::AlignRight | Qt::AlignVCenter);
  EFechaFinal = MakeDateField(g, "EFechaFinal", fieldX, y,
                              S("Indique la fecha final período en curso"));
  l->setBuddy(EFechaFinal);
  y += 34;
  l = MakeLabel(g, "LDescripPeriodo", S("Descripción del período :"), labelX, y, labelW,
                Qt::AlignRight | Qt::AlignVCenter);
  EDescripPeriodo =
      MakeTextField(g, "EDescripPeriodo", fieldX, y, 150,
                    S("Indique la descripcion del período, por ejemplo : 'Enero'"));
  l->setBuddy(EDescripPeriodo);
  return TabSheet2;
}

QWidget *Tq7UpdateModuloForm::BuildAdminTaxPage() {
  QGroupBox *g = FillPageWithGroup(TabSheet6, "GroupBox3", S("Impuestos"));
  MakeText(g, "LTextoImpuestos",
           S("En este formulario se  introduce la  nomenclatura  del  impuesto  o   los "
             "impuestos, dependiendo del   tipo  de   organización  o empresa. Ejemplo Impuesto  "
             "al  Valor  Agregado  (I.V.A.)   y   la   activación  del mismo."),
           10, 20, 385, 58);
  const TaxColumns columns{10, 80, 94};
  const auto right = Qt::AlignRight | Qt::AlignVCenter;

  QGroupBox *tax1 = MakeTaxGroup(
      g,
      {"GroupBox4", "Impuesto 1", 80, 80, "LNombreImpuesto1", "ENombreImpuesto1",
       "Indique el nombre del impuesto", "OvcAttachedLabel2", "EAlicuota1",
       "Indique la alicuota del impuesto", nullptr, &ENombreImpuesto1, &OvcAttachedLabel2,
       &EAlicuota1},
      columns);
  CBActivo1 = MakeActiveCheck(tax1, "CBActivo1", 48, "Status del impuesto ");

  QGroupBox *tax2 = MakeTaxGroup(
      g,
      {"GroupBox1", "Impuesto 2", 166, 106, "LNombreImpuesto2", "ENombreImpuesto2",
       "Indique el nombre del impuesto ", "OvcAttachedLabel4", "EAlicuotaDos",
       "Indique la alicuota del impuesto ", nullptr, &ENombreImpuesto2, &OvcAttachedLabel4,
       &EAlicuotaDos},
      columns);
  QLabel *l = MakeLabel(tax2, "LTipoImpuesto2", S("Aplicar como :"), columns.labelX, 76,
                        columns.labelW, right);
  CBTipoImpuesto2 = Named(new QComboBox(tax2), "CBTipoImpuesto2");
  CBTipoImpuesto2->addItems(
      {S("Impuesto Adicional"), S("Alicuota Reducida"), S("Alicuota Adicional")});
  CBTipoImpuesto2->setCurrentIndex(0);
  CBTipoImpuesto2->setGeometry(columns.fieldX, 76, 140, kFieldHeight + 1);
  CBTipoImpuesto2->setToolTip(S("Indique el tipo de impuesto"));
  l->setBuddy(CBTipoImpuesto2);
  CBActivo2 = MakeActiveCheck(tax2, "CBActivo2", 76, "Status del impuesto");

  MakeText(g, "LTextoDebito",
           S("Introduzca  el porcentaje de Impuesto al Débito Bancario, el cual es pautado por "
             "la oficina de impuestos del país."),
           10, 278, 385, 30);
  QGroupBox *g8 = MakeGroup(g, "GroupBox8", QString(), 8, 308, 387, 40);
  l = MakeLabel(g8, "LImpDebitoBancario", S("Impuesto Débito Bancario (%) :"), 10, 10, 200, right);
  NumberSettings debit = Rate();
  debit.showButton = true;
  debit.initText = 1.5;
  debit.actValor = 1.5;
  EImpDebitoBancario = MakeNumberField(g8, "EImpDebitoBancario", 216, 10, 100, debit);
  l->setBuddy(EImpDebitoBancario);
  return TabSheet6;
}

QWidget *Tq7UpdateModuloForm::BuildAdminCodePage() {
  QGroupBox *g = FillPageWithGroup(TabSheet7, "GroupBox9", S("Generación de códigos automáticos"));
  MakeCodeRows(
      g,
      {
          {&CheckDepartamentos, "CheckDepartamentos", "Departamentos :", &CheckRellenarDepa, "CheckRellenarDepa", false, true},
          {&CheckClientes, "CheckClientes", "Clientes :", &CheckRellenarClient, "CheckRellenarClient", false, true},
          {&CheckInventario, "CheckInventario", "Inventario :", &CheckRellenarInve, "CheckRellenarInve", false, true},
          {&CheckProveedores, "CheckProveedores", "Proveedores :", &CheckRellenarProvee, "CheckRellenarProvee", false, true},
          {&CheckVendedores, "CheckVendedores", "Vendedores :", &CheckRellenarVen, "CheckRellenarVen", false, true},
          {&CheckZonas, "CheckZonas", "Zonas :", &CheckRellenarZona, "CheckRellenarZona", false, true},
          {&CheckConceptos, "CheckConceptos", "Conceptos :", &CheckRellenarConcep, "CheckRellenarConcep", false, true},
          {&CheckBeneficiarios, "CheckBeneficiarios", "Beneficiarios :", &CheckRellenarBene, "CheckRellenarBene", false, true},
      },
      {34, 32, 16, 130, 170, 220});
  return TabSheet7;
}

// ---- Contabilidad -----------------------------------------------------------

QWidget *Tq7UpdateModuloForm::BuildAccountingYearPage() {
  QGroupBox *g = FillPageWithGroup(TabSheet3, "GrFechaEjer", S(" Fecha Ejercicio "));
  MakeText(g, "LTextoEjercicio",
           S("Introduzca el año del ejercicio. El ejercicio  económico   de  una  empresa  por lo "
             "general comprende doce meses. Ya que la contabilidad se lleva sobre una base "
             "totalmente acumulativa para cada año."),
           14, 24, 370, 60);
  QLabel *l = MakeLabel(g, "LAnoPeriodo", S("Año del Ejercicio:"), 14, 100, 150,
                        Qt::AlignRight | Qt::AlignVCenter);
  EAnoPeriodo = MakeNumberField(g, "EAnoPeriodo", 170, 100, 70, Year());
  l->setBuddy(EAnoPeriodo);
  return TabSheet3;
}

QWidget *Tq7UpdateModuloForm::BuildPriceIndexPage() {
  QGroupBox *g = FillPageWithGroup(TabSheet4, "GrIPC", S(" I.P.C. "));
  const QString explanation =
      S("Es un indicador estadístico que tiene como objetivo medir el cambio promedio en un "
        "período  determinado, en  los precios  a  nivel  del  consumidor de una lista de "
        "bienes y servicios representativos del consumo familiar,  con  respecto al nivel "
        "de\nprecios vigente para el año escogido como base.");
  constexpr int explanationWidth = 398;
  QLabel *ipcText = MakeText(g, "LTextoIPC", explanation, 8, 18, explanationWidth, 84);
  // The first paragraph ends in a line break of its own; the face is made a
  // step smaller until that paragraph fills three lines instead of leaving
  // its last words alone on a short fourth one.
  const QString firstParagraph = explanation.left(explanation.indexOf(u'\n'));
  QFont face = ipcText->font();
  while (face.pixelSize() > 9 && WrappedLines(firstParagraph, face, explanationWidth) > 3)
    face.setPixelSize(face.pixelSize() - 1);
  ipcText->setFont(face);
  const auto right = Qt::AlignRight | Qt::AlignVCenter;
  QLabel *l = MakeLabel(g, "LAno", S("Año:"), 10, 106, 70, right);
  EAno = MakeNumberField(g, "EAno", 86, 106, 60, Year());
  EAno->setReadOnly(true);
  l->setBuddy(EAno);

  static const char *const months[12] = {"Enero:", "Febrero:", "Marzo:", "Abri:",
                                         "Mayo:", "Junio:", "Julio:", "Agosto:",
                                         "Septiembre:", "Octubre:", "Noviembre:", "Diciembre:"};
  constexpr int columnX[2] = {10, 205};
  constexpr int labelW = 72, fieldW = 110, top = 152, step = 24;
  for (int c = 0; c < 2; ++c) {
    MakeLabel(g, c == 0 ? "LMes1" : "LMes2", S("Mes"), columnX[c], 132, labelW, right);
    MakeLabel(g, c == 0 ? "LIndice1" : "LIndice2", S("Índice"), columnX[c] + labelW + 6, 132,
              fieldW, Qt::AlignHCenter | Qt::AlignVCenter);
  }
  NumberSettings index;
  index.maxValor = 9999999999999.99;
  index.decimales = 5;
  for (int k = 1; k <= 12; ++k) {
    const int column = (k - 1) / 6, row = (k - 1) % 6;
    const int x = columnX[column], y = top + row * step;
    const QByteArray labelName = "LEIndice" + QByteArray::number(k);
    const QByteArray fieldName = "EIndice" + QByteArray::number(k);
    QLabel *monthLabel = MakeLabel(g, labelName.constData(), S(months[k - 1]), x, y, labelW, right);
    EIndice[k - 1] = MakeNumberField(g, fieldName.constData(), x + labelW + 6, y, fieldW, index);
    monthLabel->setBuddy(EIndice[k - 1]);
  }

  ToolBar1 = Named(new QToolBar(g), "ToolBar1");
  ToolBar1->setGeometry(10, top + 6 * step + 4, 215, 30);
  ToolBar1->setIconSize(QSize(16, 16));
  struct ToolSpec {
    QToolButton **button;
    const char *name;
    const char *hint;
    int picture;
    bool enabled;
  };
  const ToolSpec tools[] = {
      {&BAnterior2032, "BAnterior2032", "Anterior", 0, true},
      {&BSiguiente2033, "BSiguiente2033", "Siguiente", 1, true},
      {&TBCancelar, "TBCancelar", "Cancelar", 2, false},
      {&BIncluir009, "BIncluir009", "Incluir", 5, true},
      {&ToolButton5, "ToolButton5", "Guardar", 8, true},
  };
  const TMenuDataModule *menus = TMenuDataModule::Instance();
  for (const ToolSpec &t : tools) {
    auto *b = Named(new QToolButton(ToolBar1), t.name);
    b->setFixedSize(37, 26);
    b->setToolTip(S(t.hint));
    b->setAutoRaise(true);
    if (menus) b->setIcon(menus->ToolIcon(t.picture));
    if (!menus || b->icon().isNull()) b->setText(S(t.hint).left(1));
    b->setEnabled(t.enabled);
    ToolBar1->addWidget(b);
    *t.button = b;
  }
  BIncluir009->setCheckable(true);
  ToolBar1->addSeparator();

  Label11 = MakeText(g, "Label11", S("Presione guardar o cancelar para poder finalizar."), 232,
                     top + 6 * step + 4, 165, 30);
  Label11->hide();
  return TabSheet4;
}

// ---- Nómina -----------------------------------------------------------------

QWidget *Tq7UpdateModuloForm::BuildPayrollPage() {
  QGroupBox *g = FillPageWithGroup(TabSheet8, "GroupBox12", S("Selección del Año"));
  MakeText(g, "LTextoNomina", S("Indique el año de operación o de período para la nómina."), 14, 30,
           370, 20);
  EAnoNomina = MakeNumberField(g, "EAnoNomina", 14, 60, 70, Year(1900, 1900));
  return TabSheet8;
}

// ---- Alimentos && Bebidas ---------------------------------------------------

QWidget *Tq7UpdateModuloForm::BuildFoodGeneralPage() {
  QGroupBox *g = FillPageWithGroup(TabSheet9, "GBGeneralFood", S(" General "));
  constexpr int labelX = 10, labelW = 90, fieldX = 106;
  const auto right = Qt::AlignRight | Qt::AlignVCenter;

  QGroupBox *period = MakeGroup(g, "GBPeriodoF", S(" Período "), 8, 20, 387, 106);
  LFoodPeriodoI = MakeLabel(period, "LFoodPeriodoI", S("Fecha Inicio :"), labelX, 20, labelW, right);
  EFechaIniFood = MakeDateField(period, "EFechaIniFood", fieldX, 20,
                                S("Indique la fecha inicio período en curso"));
  LFoodPeriodoI->setBuddy(EFechaIniFood);
  LFoodPeriodoF = MakeLabel(period, "LFoodPeriodoF", S("Fecha Final :"), labelX, 48, labelW, right);
  EFechaFinalFood = MakeDateField(period, "EFechaFinalFood", fieldX, 48,
                                  S("Indique la fecha final período en curso"));
  LFoodPeriodoF->setBuddy(EFechaFinalFood);
  LFoodPeriodo = MakeLabel(period, "LFoodPeriodo", S("Descripción :"), labelX, 76, labelW, right);
  EDescripPFood = MakeTextField(period, "EDescripPFood", fieldX, 76, 150,
                                S("Indique la descripcion del período, por ejemplo : 'Enero'"));
  LFoodPeriodo->setBuddy(EDescripPFood);

  const TaxColumns columns{labelX, labelW, fieldX};
  GBServicioF = MakeTaxGroup(
      g,
      {"GBServicioF", " Servicios de Mesas ", 134, 80, "LNombreServ1", "ENomServMesa",
       "Indique el nombre del impuesto", "LAlicuotaServ1", "EAlicuotaServMesa",
       "Indique la alicuota del impuesto", &LNombreServ1, &ENomServMesa, &LAlicuotaServ1,
       &EAlicuotaServMesa},
      columns);
  CheckBServ1 = MakeActiveCheck(GBServicioF, "CheckBServ1", 48, "Status del impuesto ");
  QGroupBox *delivery = MakeTaxGroup(
      g,
      {"GBServicio2F", " Cargo x Envío ", 222, 80, "LNombreServ2", "ENomCargxEnv",
       "Indique el nombre del impuesto", "LAlicuotaServ2", "EAlicuotaCargxEnv",
       "Indique la alicuota del impuesto", &LNombreServ2, &ENomCargxEnv, &LAlicuotaServ2,
       &EAlicuotaCargxEnv},
      columns);
  CheckBServ2 = MakeActiveCheck(delivery, "CheckBServ2", 48, "Status del impuesto ");
  return TabSheet9;
}

QWidget *Tq7UpdateModuloForm::BuildFoodCodePage() {
  QGroupBox *g = FillPageWithGroup(TabSheet10, "GBCodigoAutoF",
                                   S(" Generación de Códigos Automáticos "));
  static const char *const captions[9] = {"Familias", "SubFamilias", "Tamaños",
                                          "Descriptivos", "Áreas de Preparación", "Calendario",
                                          "Productos", "Configuración de Menús",
                                          "Configuración de Pantallas"};
  constexpr int top = 30, step = 30, recordX = 12, recordW = 172, fillX = 200, fillW = 196;
  auto rowY = [&](int row) { return top + (row - 1) * step; };
  auto fillBox = [&](int row) {
    const QByteArray name = "CheckRellenarF" + QByteArray::number(row);
    const QString caption = row <= 2 ? S("Rellenar Código automáticamente")
                                     : S("Rellenar Código automáticamente :");
    CheckRellenarF[row - 1] = MakeLeftCheck(g, name.constData(), caption, fillX, rowY(row), fillW, true);
  };
  // Tab order: fill boxes of rows 8 down to 1, record boxes 1 to 9, fill box 9.
  for (int row = 8; row >= 1; --row) fillBox(row);
  for (int row = 1; row <= 9; ++row) {
    const QByteArray name = "chkCodigo" + QByteArray::number(row);
    chkCodigo[row - 1] =
        MakeLeftCheck(g, name.constData(), S(captions[row - 1]), recordX, rowY(row), recordW, false);
  }
  fillBox(9);
  return TabSheet10;
}

// ---- Hotelería ----------------------------------------------------------------

QWidget *Tq7UpdateModuloForm::BuildHotelPeriodPage() {
  QGroupBox *outer = FillPageWithGroup(TabFecha, "GroupBox18", S("Período Actual en curso"));
  MakeText(outer, "LTextoPeriodoHotel",
           S("Indique la fecha de inicio y  fecha final para el período en curso."), 14, 26, 370,
           32);
  QGroupBox *g = MakeGroup(outer, "GroupBox17", S(" Período "), 40, 70, 320, 148);
  g->raise();
  constexpr int labelX = 10, labelW = 100, fieldX = 116;
  const auto right = Qt::AlignRight | Qt::AlignVCenter;
  QLabel *l = MakeLabel(g, "LDescripcionPeriodoHotel", S("Descripción :"), labelX, 24, labelW, right);
  EDescripcionPeriodoHotel =
      MakeTextField(g, "EDescripcionPeriodoHotel", fieldX, 24, 150,
                    S("Indique la descripcion del período, por ejemplo : 'Enero'"));
  l->setBuddy(EDescripcionPeriodoHotel);
  l = MakeLabel(g, "LFechaIniHotel", S("Fecha Inicio :"), labelX, 54, labelW, right);
  EFechaIniHotel = MakeDateField(g, "EFechaIniHotel", fieldX, 54,
                                 S("Indique la fecha inicio período en curso"));
  l->setBuddy(EFechaIniHotel);
  l = MakeLabel(g, "LFechaHastaHotel", S("Fecha Final :"), labelX, 84, labelW, right);
  EFechaHastaHotel = MakeDateField(g, "EFechaHastaHotel", fieldX, 84,
                                   S("Indique la fecha final período en curso"));
  l->setBuddy(EFechaHastaHotel);
  l = MakeLabel(g, "LFechaActualHotel", S("Fecha Actual :"), labelX, 114, labelW, right);
  EFechaActualHotel = MakeDateField(g, "EFechaActualHotel", fieldX, 114,
                                    S("Indique la fecha final período en curso"));
  l->setBuddy(EFechaActualHotel);
  return TabFecha;
}

QWidget *Tq7UpdateModuloForm::BuildHotelCodePage() {
  QGroupBox *g = FillPageWithGroup(TabCodigosAut, "GroupBox15",
                                   S("Generación de códigos automáticos"));
  // Every row starts checked but Habitaciones.
  MakeCodeRows(
      g,
      {
          {&CheckTemporada, "CheckTemporada", "Temporada :", &CheckTemporadaRellenar, "CheckTemporadaRellenar", true, true},
          {&CheckTipoTarifa, "CheckTipoTarifa", "Tipo de Tarifa :", &CheckTipoTarifaRellenar, "CheckTipoTarifaRellenar", true, true},
          {&CheckRegimen, "CheckRegimen", "Regímenes :", &CheckRegimenRellenar, "CheckRegimenRellenar", true, true},
          {&CheckTipoHab, "CheckTipoHab", "Tipo de Habitación :", &CheckTipoHabRellenar, "CheckTipoHabRellenar", true, true},
          {&CheckUbicaHab, "CheckUbicaHab", "Ubicación de Habitación :", &CheckUbicaHabRellenar, "CheckUbicaHabRellenar", true, true},
          {&CheckHabita, "CheckHabita", "Habitaciones :", &CheckHabitaRellenar, "CheckHabitaRellenar", false, false},
          {&CheckCaracHabita, "CheckCaracHabita", "Características de Habitación :", &CheckCaracHabitaRellenar, "CheckCaracHabitaRellenar", true, true},
          {&CheckInventarioHotel, "CheckInventarioHotel", "Inventario :", &CheckInventarioHotelRellenar, "CheckInventarioHotelRellenar", true, true},
          {&CheckEmpleado, "CheckEmpleado", "Empleados :", &CheckEmpleadoRellanar, "CheckEmpleadoRellanar", true, true},
          {&CheckTareas, "CheckTareas", "Tareas :", &CheckTareasRellenar, "CheckTareasRellenar", true, true},
      },
      {28, 28, 10, 176, 200, 196});
  return TabCodigosAut;
}

// ---- Country page -------------------------------------------------------------

QWidget *Tq7UpdateModuloForm::BuildCountryPage() {
  auto *frame = Named(new QFrame(TabSPaises), "PanelPaises");
  frame->setFrameStyle(QFrame::Box | QFrame::Plain);
  auto *layout = new QVBoxLayout(TabSPaises);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(frame);

  auto *band = Named(new QLabel(S("Selección del País "), frame), "LTituloPaises");
  band->setAutoFillBackground(true);
  QPalette palette = band->palette();
  palette.setColor(QPalette::Window, QColor(0xc0, 0xc0, 0xc0));
  band->setPalette(palette);
  QFont bold = font();
  bold.setBold(true);
  bold.setPixelSize(13);
  band->setFont(bold);
  band->setAlignment(Qt::AlignCenter);
  band->setGeometry(1, 1, kWindowWidth - 14, 30);

  static const char *const countries[6] = {"Colombia", "Aruba", "Honduras",
                                           "Panama", "Costa Rica", "Nicaragua"};
  for (int n = 1; n <= 6; ++n) {
    const QByteArray name = "RadioBP" + QByteArray::number(n);
    RadioBP[n - 1] = Named(new QRadioButton(S(countries[n - 1]), frame), name.constData());
    RadioBP[n - 1]->setProperty("Tag", n);
    RadioBP[n - 1]->setGeometry(167, 51 * n, 150, kFieldHeight);
  }
  RadioBP[3]->setChecked(true);

  GroupBox19 = MakeGroup(frame, "GroupBox19", S(" Selección del País "), 100, 200, 220, 60);
  MakeLabel(GroupBox19, "LPais", S("País"), 10, 24, 40);
  ComboPaises = Named(new QComboBox(GroupBox19), "ComboPaises");
  for (const char *country : countries) ComboPaises->addItem(S(country));
  ComboPaises->setCurrentIndex(-1);
  ComboPaises->setGeometry(56, 24, 150, kFieldHeight + 1);
  GroupBox19->hide();
  return TabSPaises;
}

void Tq7UpdateModuloForm::ConnectHandlers() {
  connect(BSiguiente033, &QPushButton::clicked, this, [this] { BSiguiente033Click(); });
  connect(BAnterior032, &QPushButton::clicked, this, [this] { BAnterior032Click(); });
  connect(BCancelar002, &QPushButton::clicked, this, [this] { BCancelar002Click(); });
  connect(BGrabar001, &QPushButton::clicked, this, [this] { BGrabar001Click(); });
  connect(BSalir005, &QPushButton::clicked, this, [this] { BSalir005Click(); });
  connect(BAnterior2032, &QToolButton::clicked, this, [this] { BAnterior2032Click(); });
  connect(BSiguiente2033, &QToolButton::clicked, this, [this] { BSiguiente2033Click(); });
  connect(TBCancelar, &QToolButton::clicked, this, [this] { TBCancelarClick(); });
  connect(BIncluir009, &QToolButton::clicked, this, [this] { BIncluir009Click(); });
  connect(ToolButton5, &QToolButton::clicked, this, [this] { ToolButton5Click(); });
  EFechaActualHotel->SetOnExit([this] { EFechaActualHotelExit(); });
  // Typed characters reach the drop-down boxes (and their open lists) only
  // through DBComboImpuesto2KeyPress.
  for (QComboBox *box : {CBTipoImpuesto2, ComboPaises}) {
    box->installEventFilter(this);
    box->view()->installEventFilter(this);
  }
}
