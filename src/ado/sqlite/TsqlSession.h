// The session settings of a connection that change how its statements
// answer: today the first day of the week (SET DATEFIRST), which DATEPART
// reads when it numbers weekdays.
#pragma once

#include <atomic>

namespace promocionesQEX::sqlite {

struct TsqlSession {
  // 1 (Monday) to 7 (Sunday); 7 as in SQL Server's us_english default, so a
  // lookup that forgets its SET DATEFIRST 1 answers wrong in tests too.
  std::atomic<int> datefirst{7};
};

}  // namespace promocionesQEX::sqlite
