// The C interface's contract: the class factory, reference counts, errors
// instead of crashes for bad handles and arguments, the thread rule, and
// operations that answer as the C++ facade does.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "promocionesQEX/Promociones.h"
#include "promocionesQEX/RuntimeError.h"
#include "promocionesQEX/promocionesQEX.h"

namespace promocionesQEX {
namespace {

qex_object* create(const char* class_name) {
  qex_object* object = nullptr;
  EXPECT_EQ(qex_CreateObject(class_name, &object), 0)
      << qex_last_error_description();
  return object;
}

std::string take(char* text) {
  std::string copy = text ? text : "";
  qex_free(text);
  return copy;
}

TEST(CAbi, ObjectsAreMadeByClassNameAndCounted) {
  const std::pair<const char*, long> cases[] = {
      // class, error
      {"promocionesQEX.Promociones", 0},
      {"PROMOCIONESQEX.CLSPROMODESCUENTOGLOBAL", 0},
      {"promocionesQEX.Ventas", 429},
      {nullptr, 429},
  };
  for (const auto& [name, error] : cases) {
    qex_object* object = nullptr;
    EXPECT_EQ(qex_CreateObject(name, &object), error);
    EXPECT_EQ(qex_last_error_number(), error);
    EXPECT_EQ(object == nullptr, error != 0);
    if (!object) continue;
    EXPECT_EQ(qex_CanUnloadNow(), 0);
    EXPECT_EQ(qex_AddRef(object), 2);
    EXPECT_EQ(qex_Release(object), 1);
    EXPECT_EQ(qex_Release(object), 0);
    EXPECT_EQ(qex_CanUnloadNow(), 1);
  }
}

// The handles a bad call is given: a Promociones, a discount record, one
// already released, and places for a text and a number.
struct Handles {
  qex_object* p;
  qex_object* r;
  qex_object* gone;
  char* text = nullptr;
  double number = 0;
};

// Every kind of bad handle or argument is a numbered error, never a crash.
TEST(CAbi, BadHandlesAndArgumentsAreErrors) {
  Handles h{create("promocionesQEX.Promociones"),
            create("promocionesQEX.clsPromoDescuentoGlobal"),
            create("promocionesQEX.Promociones")};
  qex_Release(h.gone);
  static const qex_DateTime feb30{2026, 2, 30, 0, 0, 0, 0};
  // What is wrong, the call, the error it gives.
  const std::tuple<const char*, long (*)(Handles&), long> cases[] = {
      {"NULL object",
       [](Handles& h) { return qex_get_Error(nullptr, &h.text); },
       RuntimeError::kObjectNotSet},
      {"released object",
       [](Handles& h) { return qex_get_Error(h.gone, &h.text); },
       RuntimeError::kObjectNotSet},
      {"operation of the other class",
       [](Handles& h) { return qex_get_Mensaje(h.r, &h.text); }, 438},
      {"NULL result", [](Handles& h) { return qex_get_Error(h.p, nullptr); },
       5},
      {"NULL date",
       [](Handles& h) {
         return qex_Get_Promocion_Pv_Importe(h.p, nullptr, "S1", "C1", "V1",
                                             &h.text);
       },
       5},
      {"impossible date",
       [](Handles& h) {
         return qex_Get_Promocion_Pv_Importe(h.p, &feb30, "S1", "C1", "V1",
                                             &h.text);
       },
       RuntimeError::kTypeMismatch},
      {"unknown property",
       [](Handles& h) { return qex_get_Texto(h.r, "Descuento", &h.text); },
       438},
      {"text property read as a number",
       [](Handles& h) { return qex_get_Numero(h.r, "Folio", &h.number); },
       RuntimeError::kTypeMismatch},
      {"a Promociones given as the record",
       [](Handles& h) { return qex_put_Detalle_Descuento_Global(h.p, h.p); },
       RuntimeError::kTypeMismatch},
      {"cursor closed twice",
       [](Handles& h) {
         return qex_cursor_close(reinterpret_cast<qex_cursor*>(h.gone));
       },
       RuntimeError::kObjectNotSet},
  };
  for (const auto& [what, call, error] : cases) {
    EXPECT_EQ(call(h), error) << what;
    EXPECT_EQ(qex_last_error_number(), error) << what;
    EXPECT_STRNE(qex_last_error_description(), "") << what;
  }
  EXPECT_EQ(qex_Release(h.gone), 0);
  EXPECT_EQ(qex_last_error_number(), RuntimeError::kObjectNotSet);
  qex_Release(h.r);
  qex_Release(h.p);
}

TEST(CAbi, AnObjectIsUsedOnlyOnItsOwnThread) {
  qex_object* promociones = create("promocionesQEX.Promociones");
  long from_other = 0;
  std::string description;
  long count_from_other = 0;
  std::thread([&] {
    from_other = qex_put_Sucursal(promociones, "S1");
    description = qex_last_error_description();
    count_from_other = qex_AddRef(promociones);
  }).join();
  EXPECT_EQ(from_other, QEX_E_WRONG_THREAD);
  EXPECT_NE(description.find("hilo"), std::string::npos) << description;
  EXPECT_EQ(count_from_other, 2);
  EXPECT_EQ(qex_put_Sucursal(promociones, "S1"), 0);
  qex_Release(promociones);
  qex_Release(promociones);
}

// The record handed over is the one the object keeps: a change through one
// handle is read through the other.
TEST(CAbi, TheDiscountRecordIsSharedNotCopied) {
  qex_object* promociones = create("promocionesQEX.Promociones");
  qex_object* record = create("promocionesQEX.clsPromoDescuentoGlobal");
  ASSERT_EQ(qex_put_Detalle_Descuento_Global(promociones, record), 0);
  qex_object* held = nullptr;
  ASSERT_EQ(qex_get_Detalle_Descuento_Global(promociones, &held), 0);
  ASSERT_EQ(qex_put_Texto(record, "sucursal", "S2"), 0);
  ASSERT_EQ(qex_put_Numero(held, "Tipo_Cambio", 17.5), 0);
  char* sucursal = nullptr;
  double tipo_cambio = 0;
  ASSERT_EQ(qex_get_Texto(held, "Sucursal", &sucursal), 0);
  ASSERT_EQ(qex_get_Numero(record, "TIPO_CAMBIO", &tipo_cambio), 0);
  EXPECT_EQ(take(sucursal), "S2");
  EXPECT_EQ(tipo_cambio, 17.5);
  for (qex_object* o : {held, record, promociones}) qex_Release(o);
}

TEST(CAbi, CodeStringsAnswerAsTheFacade) {
  qex_object* object = create("promocionesQEX.Promociones");
  Promociones facade;
  const std::string code = "PR1\tMD\tNG\t2\tPZA\r\nPR2\t00\t00\t1.5\tKG";
  qex_tPromocion* records = nullptr;
  size_t count = 0;
  ASSERT_EQ(qex_Decodifica_Promocion(object, code.c_str(), &records, &count),
            0);
  const std::vector<tPromocion> expected = facade.Decodifica_Promocion(code);
  ASSERT_EQ(count, expected.size());
  // Encoded back, the records give the facade's text for its own records.
  char* encoded = nullptr;
  ASSERT_EQ(qex_Codifica_Promocion(object, records, count, &encoded), 0);
  EXPECT_EQ(take(encoded), facade.Codifica_Promocion(expected));
  qex_tPromocion_free_array(records, count);
  qex_Release(object);
}

}  // namespace
}  // namespace promocionesQEX
