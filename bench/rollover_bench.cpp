// Time of the accounting rollover against its floor.
//
// For 1,000, 10,000 and 100,000 fixed assets, measures RollAccountingYear
// (five dates of every asset moved one year, the record "DEMO" written, one
// transaction across q7CActivos.dat and q7CEmpresas.dat) and the floor: one
// SQL UPDATE shifting the same five dates in the same asset file, in one
// BEGIN IMMEDIATE transaction with the same durability (rollback journal,
// synchronous=FULL). Prints the median of several runs and the ratio.
//
// Usage: rollover_bench [runs]   (default 5)
#include "store/AccountingRollover.h"
#include "store/Sqlite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

void MakeTable(const QString &path, const QString &sql) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) throw q7::StoreError(QStringLiteral("cannot create"), path);
  file.close();  // an empty file is an empty database
  q7::Connection(path).Exec(sql);
}

// A working folder with the company table (record "DEMO", fiscal year 2024)
// and `assets` fixed assets dated in 2023 and 2024.
void BuildFolder(const QString &root, int assets) {
  QDir dir(root);
  dir.mkpath(QStringLiteral("DataSistema"));
  dir.mkpath(QStringLiteral("DataDemo/DATA"));
  const QString company = root + QStringLiteral("/DataSistema/q7CEmpresas.dat");
  MakeTable(company, QStringLiteral("CREATE TABLE q7CEmpresas (CODIGO TEXT PRIMARY KEY, PERIODOS BLOB, "
                                    "FECHA_INIEJER DATE, FECHA_FINEJER DATE, FECHA_ULTDEPREC DATE);"
                                    "INSERT INTO q7CEmpresas VALUES ('DEMO', zeroblob(528), '2024-01-01', "
                                    "'2024-12-31', '2023-12-31');"));
  const QString assetPath = root + QStringLiteral("/DataDemo/DATA/q7CActivos.dat");
  MakeTable(assetPath, QStringLiteral("CREATE TABLE q7CActivos (CODIGO TEXT PRIMARY KEY, DESCRIPCION TEXT, "
                                      "FECHA_ADQ DATE, FECHA_INC DATE, FECHA_INICIO DATE, FECHA_DEPINI DATE, "
                                      "FECHA_ULTDEP DATE, COSTO CURRENCY)"));
  q7::Connection db(assetPath);
  q7::Transaction transaction(db);
  q7::Statement insert(db, QStringLiteral("INSERT INTO q7CActivos VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
  for (int i = 0; i < assets; ++i) {
    const int month = i % 12 + 1;
    const int day = i % 28 + 1;
    insert.BindText(1, QStringLiteral("AF%1").arg(i, 7, 10, QLatin1Char('0')));
    insert.BindText(2, QStringLiteral("Activo fijo número %1").arg(i));
    insert.BindText(3, QStringLiteral("2023-%1-%2").arg(month, 2, 10, QLatin1Char('0')).arg(day, 2, 10, QLatin1Char('0')));
    insert.BindText(4, QStringLiteral("2024-02-29"));
    insert.BindText(5, QStringLiteral("2023-%1-01").arg(month, 2, 10, QLatin1Char('0')));
    insert.BindText(6, QStringLiteral("2023-%1-01").arg(month, 2, 10, QLatin1Char('0')));
    if (i % 5 == 0) insert.BindNull(7); else insert.BindText(7, QStringLiteral("2024-12-31"));
    insert.BindInt64(8, 1000000 + i);
    insert.Run();
    insert.Reset();
  }
  transaction.Commit();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

}  // namespace

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

  std::printf("%10s  %14s  %14s  %7s\n", "assets", "rollover (ms)", "floor (ms)", "ratio");
  for (const int assets : {1000, 10000, 100000}) {
    QTemporaryDir rolloverDir;
    QTemporaryDir floorDir;
    BuildFolder(rolloverDir.path(), assets);
    BuildFolder(floorDir.path(), assets);

    std::vector<double> rollover;
    std::vector<double> floor;
    q7::PeriodsImage periods;
    for (int run = 0; run < runs; ++run) {
      // Each run moves one year on from the year the previous run stored.
      const auto start = Clock::now();
      const q7::RolloverResult r = q7::RollAccountingYear(rolloverDir.path(), 2025 + run, periods);
      rollover.push_back(Milliseconds(Clock::now() - start));
      if (r.assetsMoved != assets || r.yearsMoved != 1) {
        std::fprintf(stderr, "unexpected result: %lld assets, %d years\n", static_cast<long long>(r.assetsMoved),
                     r.yearsMoved);
        return 1;
      }
      periods = r.periods;

      const auto floorStart = Clock::now();
      {
        q7::Connection db(floorDir.path() + QStringLiteral("/DataDemo/DATA/q7CActivos.dat"));
        q7::Transaction transaction(db);
        db.Exec(QStringLiteral("UPDATE q7CActivos SET FECHA_ADQ = date(FECHA_ADQ, '+1 years'), "
                               "FECHA_INC = date(FECHA_INC, '+1 years'), FECHA_INICIO = date(FECHA_INICIO, '+1 years'), "
                               "FECHA_DEPINI = date(FECHA_DEPINI, '+1 years'), "
                               "FECHA_ULTDEP = date(FECHA_ULTDEP, '+1 years')"));
        transaction.Commit();
      }
      floor.push_back(Milliseconds(Clock::now() - floorStart));
    }
    const double a = Median(rollover);
    const double b = Median(floor);
    std::printf("%10d  %14.1f  %14.1f  %6.2fx\n", assets, a, b, a / b);
  }
  return 0;
}
