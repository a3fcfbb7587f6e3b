// SQL Server resolves a bare name in ORDER BY against the select list first:
// "SELECT Pp.Pp_Folio ... ORDER BY Pp_Folio" orders by that column even when
// two joined tables have a Pp_Folio. SQLite looks a bare ORDER BY name up in
// the select list only among explicit aliases, and otherwise calls it
// ambiguous. This pass gives each select item written as qualifier.name an
// explicit "AS name" in every SELECT that has an ORDER BY, which keeps the
// result column's name and lets SQLite resolve the name the same way.
//
// A name that two select items share keeps no alias, so that SQLite still
// calls it ambiguous as SQL Server does.
#pragma once

#include <vector>

#include "ado/sqlite/TsqlLexer.h"

namespace promocionesQEX::sqlite {

// The aliased items' texts are kept in `texts`.
void name_qualified_select_items(TokenizedText& text, RewrittenTexts& texts);

}  // namespace promocionesQEX::sqlite
