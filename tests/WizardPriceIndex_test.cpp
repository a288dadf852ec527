// The price-index page of the Contabilidad module through the window, on the
// sample's table (2021 to 2024; 2024 with January to June stored): entering
// the page, browsing to both ends, including a new year, a year that exists,
// abandoning an inclusion, locked months and an empty table.
#include "controls/ProgramEnd.h"
#include "controls/TarvoNumberEdit.h"
#include "resources/DataModuleMenus.h"
#include "store/Paths.h"
#include "store/PriceIndex.h"
#include "store/Sqlite.h"
#include "support/WizardFixture.h"
#include "tools/SampleData.h"
#include "wizard/WizardTables.h"
#include "wizard/q7UpdateModulo.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

QString S(const char *utf8) { return QString::fromUtf8(utf8); }

const QString kStoreError = S("Error al guardar los IPC.");

class WizardPriceIndexTest : public q7test::WizardFixture {
 protected:
  // Contabilidad, "&Siguiente" onto the price-index page.
  void EnterPage() {
    Open({"2"});
    ASSERT_FALSE(q7::ProgramEndRequested());
    form->BSiguiente033->click();
    ASSERT_EQ(form->PageControContabilidad->currentIndex(), 1);
  }

  // The stored values of a year; nullopt when the table has no such year.
  std::optional<q7::MonthValues> Stored(int year) {
    q7::Connection db(work + QStringLiteral("/DataSistema/q7CIndPrec.dat"));
    q7::Statement query(db, QStringLiteral("SELECT VALORES FROM q7CIndPrec WHERE ANO = ?"));
    query.BindInt64(1, year);
    if (!query.Step()) return std::nullopt;
    return q7::ValoresImage::FromBlob(query.ColumnBlob(0)).Values();
  }
  int StoredYears() {
    q7::Connection db(work + QStringLiteral("/DataSistema/q7CIndPrec.dat"));
    q7::Statement query(db, QStringLiteral("SELECT COUNT(*) FROM q7CIndPrec"));
    query.Step();
    return static_cast<int>(query.ColumnInt64(0));
  }
  void WriteYear(int year, const q7::MonthValues &values) {
    q7::Connection db(work + QStringLiteral("/DataSistema/q7CIndPrec.dat"));
    q7::Statement write(db, QStringLiteral("INSERT OR REPLACE INTO q7CIndPrec (ANO, VALORES) VALUES (?, ?)"));
    write.BindInt64(1, year);
    write.BindBlob(2, q7::ValoresImage::FromValues(values).ToBlob());
    write.Run();
  }

  // Which month fields can be typed into: "1" enabled, "0" disabled.
  std::string Editable() const {
    std::string s;
    for (TTarvoNumberEdit *month : form->EIndice) s += month->isEnabled() ? '1' : '0';
    return s;
  }
  bool Including() const {
    // The including state as the user meets it.
    const bool including = form->BIncluir009->isChecked();
    EXPECT_EQ(!form->Label11->isHidden(), including);
    EXPECT_EQ(form->PanelBotones->isEnabled(), !including);
    EXPECT_EQ(form->BIncluir009->isEnabled(), !including);
    EXPECT_EQ(form->TBCancelar->isEnabled(), including);
    EXPECT_EQ(form->BAnterior2032->isEnabled(), !including);
    EXPECT_EQ(form->BSiguiente2033->isEnabled(), !including);
    EXPECT_EQ(form->EAno->isReadOnly(), !including);
    EXPECT_TRUE(form->ToolButton5->isEnabled());
    return including;
  }
};

TEST_F(WizardPriceIndexTest, EnteringThePageShowsTheLatestYear) {
  EnterPage();
  EXPECT_EQ(form->EAno->AsInteger(), 2024);
  EXPECT_EQ(form->LastIndexYear, S("2024"));
  EXPECT_EQ(Editable(), "000000111111");
  EXPECT_DOUBLE_EQ(form->EIndice[0]->AsFloat(), (*Stored(2024))[0]);
  EXPECT_FALSE(Including());
  EXPECT_FALSE(form->BGrabar001->isHidden());
  EXPECT_TRUE(messages.Texts().isEmpty());
}

TEST_F(WizardPriceIndexTest, BrowsingStopsAtBothEndsAndDropsWhatWasNotStored) {
  EnterPage();
  Type(form->EIndice[6], S("150.5"));  // July 2024, not stored
  struct Step {
    QToolButton *button;
    int year;
  } const steps[] = {
      {form->BAnterior2032, 2023}, {form->BAnterior2032, 2022}, {form->BAnterior2032, 2021},
      {form->BAnterior2032, 2021}, {form->BSiguiente2033, 2022}, {form->BSiguiente2033, 2023},
      {form->BSiguiente2033, 2024}, {form->BSiguiente2033, 2024},
  };
  for (const Step &step : steps) {
    step.button->click();
    EXPECT_EQ(form->EAno->AsInteger(), step.year) << step.button->objectName().toStdString();
  }
  EXPECT_EQ(form->EIndice[6]->AsFloat(), 0.0);
  EXPECT_EQ(Editable(), "000000111111");
  EXPECT_EQ((*Stored(2024))[6], 0.0);
  EXPECT_TRUE(messages.Texts().isEmpty());
}

TEST_F(WizardPriceIndexTest, GuardarStoresTypedMonthsAndKeepsLockedOnesExactly) {
  // A stored value with more decimals than the fields show.
  q7::MonthValues values{};
  values[0] = 112.34567;
  WriteYear(2025, values);
  EnterPage();
  ASSERT_EQ(form->EAno->AsInteger(), 2025);
  EXPECT_EQ(form->EIndice[0]->text(), S("112.35"));
  EXPECT_EQ(Editable(), "011111111111");

  Type(form->EIndice[1], S("113.25"));
  form->ToolButton5->click();
  EXPECT_TRUE(messages.Texts().isEmpty());
  const q7::MonthValues stored = *Stored(2025);
  EXPECT_EQ(stored[0], 112.34567);
  EXPECT_DOUBLE_EQ(stored[1], 113.25);
  EXPECT_EQ(stored[2], 0.0);
  // The year stays shown, its typed month now locked; the table stays on it.
  EXPECT_EQ(form->EAno->AsInteger(), 2025);
  EXPECT_EQ(Editable(), "001111111111");
  form->BAnterior2032->click();
  EXPECT_EQ(form->EAno->AsInteger(), 2024);
  EXPECT_TRUE(form->BGrabar001->isEnabled());

  // After storing a year in the middle, the next year is the one after it.
  form->BAnterior2032->click();
  form->BAnterior2032->click();
  ASSERT_EQ(form->EAno->AsInteger(), 2022);
  form->ToolButton5->click();
  EXPECT_EQ(form->EAno->AsInteger(), 2022);
  form->BSiguiente2033->click();
  EXPECT_EQ(form->EAno->AsInteger(), 2023);
}

TEST_F(WizardPriceIndexTest, IncluirStoresTheYearShownThenIncludesTheNextYear) {
  EnterPage();
  Type(form->EIndice[6], S("150.5"));  // July 2024
  form->BIncluir009->click();

  EXPECT_DOUBLE_EQ((*Stored(2024))[6], 150.5);
  EXPECT_TRUE(Including());
  EXPECT_EQ(form->EAno->AsInteger(), 2025);
  EXPECT_EQ(Editable(), "111111111111");
  for (TTarvoNumberEdit *month : form->EIndice) EXPECT_EQ(month->AsFloat(), 0.0);
  EXPECT_EQ(form->focusWidget(), form->EIndice[0]);

  Type(form->EIndice[0], S("160.1"));
  Type(form->EIndice[11], S("170"));
  form->ToolButton5->click();

  EXPECT_TRUE(messages.Texts().isEmpty());
  EXPECT_FALSE(Including());
  ASSERT_TRUE(Stored(2025));
  EXPECT_DOUBLE_EQ((*Stored(2025))[0], 160.1);
  EXPECT_DOUBLE_EQ((*Stored(2025))[11], 170.0);
  EXPECT_EQ(form->EAno->AsInteger(), 2025);
  EXPECT_EQ(form->LastIndexYear, S("2025"));
  EXPECT_EQ(Editable(), "011111111110");
  EXPECT_TRUE(form->BGrabar001->isEnabled());
}

TEST_F(WizardPriceIndexTest, IncludingAYearThatExistsIsRefusedAndCanBeCorrected) {
  EnterPage();
  const q7::MonthValues before = *Stored(2023);
  form->BIncluir009->click();
  Type(form->EAno, S("2023"));
  Type(form->EIndice[0], S("1"));
  form->ToolButton5->click();

  EXPECT_EQ(messages.Texts(), QStringList{kStoreError});
  EXPECT_TRUE(Including());
  EXPECT_EQ(*Stored(2023), before);
  EXPECT_EQ(StoredYears(), 4);

  // Corrected, the year is included; nothing of the refused one was left pending.
  messages.Clear();
  Type(form->EAno, S("2026"));
  form->ToolButton5->click();
  EXPECT_TRUE(messages.Texts().isEmpty());
  EXPECT_FALSE(Including());
  EXPECT_DOUBLE_EQ((*Stored(2026))[0], 1.0);
  EXPECT_EQ(StoredYears(), 5);
  EXPECT_EQ(form->LastIndexYear, S("2026"));
}

TEST_F(WizardPriceIndexTest, CancelarAbandonsTheInclusionAndShowsTheLastYear) {
  EnterPage();
  form->BAnterior2032->click();  // 2022 shown
  form->BIncluir009->click();
  Type(form->EIndice[0], S("99"));
  form->TBCancelar->click();

  EXPECT_FALSE(Including());
  EXPECT_EQ(StoredYears(), 4);
  EXPECT_FALSE(Stored(2025));
  EXPECT_EQ(form->EAno->AsInteger(), 2024);
  EXPECT_EQ(Editable(), "000000111111");
  EXPECT_TRUE(form->BGrabar001->isEnabled());
  EXPECT_TRUE(messages.Texts().isEmpty());
}

TEST_F(WizardPriceIndexTest, AnEmptyTableStoresNothingUntilAYearIsIncluded) {
  {
    q7::Connection db(work + QStringLiteral("/DataSistema/q7CIndPrec.dat"));
    db.Exec(QStringLiteral("DELETE FROM q7CIndPrec"));
  }
  EnterPage();
  EXPECT_EQ(form->EAno->AsInteger(), 0);
  EXPECT_EQ(form->LastIndexYear, S("0"));

  form->ToolButton5->click();  // no year shown: nothing to store
  EXPECT_EQ(StoredYears(), 0);

  form->BIncluir009->click();
  EXPECT_EQ(form->EAno->AsInteger(), 1);
  form->TBCancelar->click();  // back to no year, not to the abandoned one
  EXPECT_EQ(form->EAno->AsInteger(), 0);
  form->ToolButton5->click();
  EXPECT_EQ(StoredYears(), 0);
  EXPECT_TRUE(messages.Texts().isEmpty());

  form->BIncluir009->click();
  Type(form->EAno, S("2024"));
  Type(form->EIndice[2], S("101.5"));
  form->ToolButton5->click();
  EXPECT_TRUE(messages.Texts().isEmpty());
  EXPECT_DOUBLE_EQ((*Stored(2024))[2], 101.5);
  EXPECT_EQ(form->EAno->AsInteger(), 2024);
  EXPECT_EQ(form->LastIndexYear, S("2024"));
}

// The year takes no typing while browsing and shows it with the window's
// colour behind its text; including makes it look like the month fields.
TEST_F(WizardPriceIndexTest, TheYearLooksReadOnlyOnlyWhileBrowsing) {
  EnterPage();
  auto base = [](QWidget *w) { return w->palette().color(QPalette::Base); };
  ASSERT_TRUE(form->EAno->isReadOnly());
  EXPECT_EQ(base(form->EAno), form->EAno->palette().color(QPalette::Window));
  EXPECT_NE(base(form->EAno), base(form->EIndice[6]));
  form->BIncluir009->click();
  ASSERT_FALSE(form->EAno->isReadOnly());
  EXPECT_EQ(base(form->EAno), base(form->EIndice[6]));
  form->TBCancelar->click();
  ASSERT_TRUE(form->EAno->isReadOnly());
  EXPECT_EQ(base(form->EAno), form->EAno->palette().color(QPalette::Window));
}

// Pictures of the page in both states for a person to look at (not a
// check); with Q7_SCREENSHOT_DIR set.
TEST_F(WizardPriceIndexTest, ScreenshotsOfThePage) {
  const QString shots = qEnvironmentVariable("Q7_SCREENSHOT_DIR");
  if (shots.isEmpty()) GTEST_SKIP() << "Q7_SCREENSHOT_DIR not set";
  QDir().mkpath(shots);
  EnterPage();
  form->show();
  QApplication::processEvents();
  form->grab().save(shots + QStringLiteral("/priceindex_browsing.png"));
  form->BIncluir009->click();
  QApplication::processEvents();
  form->grab().save(shots + QStringLiteral("/priceindex_including.png"));
}

}  // namespace
