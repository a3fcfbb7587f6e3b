// The per-thread start-up: once per thread, companions of its own, and a
// failed start-up that leaves the thread ready to try again.
#include <gtest/gtest.h>

#include <barrier>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "FakeCompanions.h"
#include "frame/Publico.h"
#include "promocionesQEX/Promociones.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {
namespace {

using testing::FakeServicios;
using testing::FakeSesionDatos;

// Installs the given factories for one test and puts the defaults back.
struct InstalledFactories {
  explicit InstalledFactories(CompanionFactories factories) {
    install_companions(std::move(factories));
  }
  ~InstalledFactories() { reset_companions(); }
};

// Which factory ran on which thread, in order.
class FactoryLog {
 public:
  CompanionFactories factories() {
    return {.sesion_datos =
                [this] {
                  add("clsSesionDatos");
                  return std::make_shared<FakeSesionDatos>();
                },
            .servicios =
                [this] {
                  add("clsServicios");
                  return std::make_shared<FakeServicios>();
                },
            .disponibilidad = {},
            .captura_series = {}};
  }
  std::vector<std::string> on(std::thread::id thread) {
    std::lock_guard lock(mutex_);
    return calls_[thread];
  }

 private:
  void add(std::string name) {
    std::lock_guard lock(mutex_);
    calls_[std::this_thread::get_id()].push_back(std::move(name));
  }
  std::mutex mutex_;
  std::map<std::thread::id, std::vector<std::string>> calls_;
};

// Runs `body` on a thread of its own, whose module state starts empty.
void on_new_thread(const std::function<void()>& body) {
  std::thread thread(body);
  thread.join();
}

struct ThreadView {
  std::thread::id id;
  clsSesionDatos* sesion = nullptr;
  clsServicios* servicios = nullptr;
  std::string sql;
};

TEST(StartUp, RunsOncePerThreadAndGivesEachThreadItsOwnState) {
  FactoryLog log;
  InstalledFactories installed(log.factories());
  std::barrier sync(2);
  auto host_thread = [&](std::string sql, ThreadView& view) {
    Promociones first;
    publico().gsSQL = sql;
    sync.arrive_and_wait();  // both threads started and wrote their text
    Promociones second;
    Promociones third;
    view = {std::this_thread::get_id(), publico().goSesionDatos.get(),
            publico().goServicios.get(), publico().gsSQL};
    sync.arrive_and_wait();  // both views taken while both states live
  };
  ThreadView a, b;
  std::thread ta(host_thread, "SELECT 'a'", std::ref(a));
  std::thread tb(host_thread, "SELECT 'b'", std::ref(b));
  ta.join();
  tb.join();

  const std::vector<std::string> once{"clsSesionDatos", "clsServicios"};
  EXPECT_EQ(log.on(a.id), once);
  EXPECT_EQ(log.on(b.id), once);
  EXPECT_NE(a.sesion, b.sesion);
  EXPECT_NE(a.servicios, b.servicios);
  EXPECT_EQ(a.sql, "SELECT 'a'");
  EXPECT_EQ(b.sql, "SELECT 'b'");
}

TEST(StartUp, FailingSessionFactoryFailsCreationAndNextCreationRetries) {
  bool fail = true;
  int sesion_calls = 0, servicios_calls = 0;
  InstalledFactories installed(
      {.sesion_datos = [&]() -> std::shared_ptr<clsSesionDatos> {
         ++sesion_calls;
         if (fail)
           throw RuntimeError(429, "ActiveX component can't create object");
         return std::make_shared<FakeSesionDatos>();
       },
       .servicios =
           [&] {
             ++servicios_calls;
             return std::make_shared<FakeServicios>();
           },
       .disponibilidad = {},
       .captura_series = {}});
  on_new_thread([&] {
    try {
      Promociones refused;
      ADD_FAILURE() << "the creation should have failed";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.number(), 429);
      EXPECT_EQ(e.description(), "ActiveX component can't create object");
    }
    EXPECT_EQ(sesion_calls, 1);
    EXPECT_EQ(servicios_calls, 0);

    fail = false;
    Promociones created;
    Promociones another;
    EXPECT_EQ(sesion_calls, 2);
    EXPECT_EQ(servicios_calls, 1);
  });
}

}  // namespace
}  // namespace promocionesQEX
