// Companion decorators: each forwards every operation to the companion it
// wraps but one.
#include "ado/RecordingConnection.h"
#include "promocionesQEX/Companions.h"

namespace promocionesQEX {
namespace {

class FixedClockServices : public clsServicios {
 public:
  FixedClockServices(std::shared_ptr<clsServicios> inner, DateTime moment)
      : inner_(std::move(inner)), moment_(moment) {}

  DateTime Get_Fecha_Hora() override { return moment_; }

  std::string Fecha_SQL(const DateTime& Fecha) override {
    return inner_->Fecha_SQL(Fecha);
  }
  std::string Get_Descripcion(const std::string& Tabla,
                              const std::string& Campo_Clave,
                              const std::string& Valor_Clave,
                              const std::string& Campo_Resultado,
                              long Reservado, const std::string& Campo_Clave2,
                              const std::string& Valor_Clave2,
                              const std::string& Estado_Baja) override {
    return inner_->Get_Descripcion(Tabla, Campo_Clave, Valor_Clave,
                                   Campo_Resultado, Reservado, Campo_Clave2,
                                   Valor_Clave2, Estado_Baja);
  }
  Variant Get_Folio(const std::string& Sucursal, const std::string& Consecutivo,
                    long Longitud, long Incrementa) override {
    return inner_->Get_Folio(Sucursal, Consecutivo, Longitud, Incrementa);
  }
  bool Registra_Folio(const std::string& Consecutivo, const std::string& Folio,
                      const std::string& ID) override {
    return inner_->Registra_Folio(Consecutivo, Folio, ID);
  }
  std::string Get_Ultimo_Error() override { return inner_->Get_Ultimo_Error(); }
  std::string Get_Consulta(const std::string& Nombre) override {
    return inner_->Get_Consulta(Nombre);
  }
  std::string Muestra_Busqueda(const std::string& Consulta, long Reservado,
                               const std::string& Fuente) override {
    return inner_->Muestra_Busqueda(Consulta, Reservado, Fuente);
  }
  Variant Envia_Teclas(const std::string& Teclas, long Espera) override {
    return inner_->Envia_Teclas(Teclas, Espera);
  }

 private:
  std::shared_ptr<clsServicios> inner_;
  DateTime moment_;
};

class ObservedSession : public clsSesionDatos {
 public:
  ObservedSession(std::shared_ptr<clsSesionDatos> inner,
                  RecordingConnection::Observer observer)
      : inner_(std::move(inner)), observer_(std::move(observer)) {}

  // The same observed connection at every call, as the session promises.
  std::shared_ptr<Connection> Conexion() override {
    if (!observed_)
      observed_ =
          std::make_shared<RecordingConnection>(inner_->Conexion(), observer_,
                                                /*keep_texts=*/false);
    return observed_;
  }

  Variant Get_Parametro(const std::string& Nombre, long Reservado,
                        const std::string& Tipo,
                        const std::string& Valor_Omision) override {
    return inner_->Get_Parametro(Nombre, Reservado, Tipo, Valor_Omision);
  }
  bool Tiene_Permiso(const std::string& Transaccion, const std::string& Permiso,
                     const std::string& Descripcion) override {
    return inner_->Tiene_Permiso(Transaccion, Permiso, Descripcion);
  }
  Variant Muestra_Mensaje(const std::string& Mensaje, long Botones,
                          const std::string& Titulo, long Ventana,
                          const std::string& Modulo,
                          const std::string& Id_Mensaje) override {
    return inner_->Muestra_Mensaje(Mensaje, Botones, Titulo, Ventana, Modulo,
                                   Id_Mensaje);
  }

 private:
  std::shared_ptr<clsSesionDatos> inner_;
  RecordingConnection::Observer observer_;
  std::shared_ptr<Connection> observed_;
};

}  // namespace

std::shared_ptr<clsServicios> with_fixed_clock(
    std::shared_ptr<clsServicios> inner, DateTime moment) {
  return std::make_shared<FixedClockServices>(std::move(inner), moment);
}

std::shared_ptr<clsSesionDatos> with_statement_observer(
    std::shared_ptr<clsSesionDatos> inner,
    RecordingConnection::Observer observer) {
  return std::make_shared<ObservedSession>(std::move(inner),
                                           std::move(observer));
}

}  // namespace promocionesQEX
