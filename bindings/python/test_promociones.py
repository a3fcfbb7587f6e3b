#!/usr/bin/env python3
"""The Python binding on the demo database: every lookup of the demo's sale
answers as the command-line tool (the C++ interface) answers the same sale,
and a global-discount document recorded through the binding is in the
database. Needs PROMOCIONES_BIN (the tool) and PROMOCIONESQEX_LIB (the
library)."""

import json
import os
import sqlite3
import subprocess
import sys
import tempfile
import unittest

TOOL = os.environ["PROMOCIONES_BIN"]
WORK = tempfile.TemporaryDirectory()
DATABASE = os.path.join(WORK.name, "demo.db")
# The demo's sale, as the README documents it.
MOMENT = "2026-12-05 11:30:00"
SALE = dict(sucursal="S1", cliente="CL0001", producto="PR0001", talla="MD",
            color="NG", cantidad=7, unidad="PZA", linea="LN01",
            ppv_id="VENTA0001")

subprocess.run([TOOL, "demo", "--bd", DATABASE], check=True,
               stdout=subprocess.DEVNULL)
os.environ["PROMOCIONESQEX_BD"] = DATABASE
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import promocionesQEX as qex  # noqa: E402

# The Pv lookups read the time of day from the services clock.
qex.fixed_clock(MOMENT)


def tool(command, *options):
    """The tool's JSON answer for the demo's sale."""
    run = subprocess.run(
        [TOOL, command, "--bd", DATABASE, "--fecha", MOMENT, "--json",
         *options], check=True, capture_output=True, text=True)
    return json.loads(run.stdout)


class Lookups(unittest.TestCase):
    def setUp(self):
        self.p = qex.Promociones()

    def test_quantity_promotion_and_its_code_string(self):
        found = self.p.Get_Promocion(
            MOMENT, SALE["sucursal"], SALE["cliente"], SALE["producto"],
            SALE["talla"], SALE["color"], SALE["cantidad"], SALE["unidad"])
        expected = tool("promocion", "--sucursal", SALE["sucursal"],
                        "--cliente", SALE["cliente"], "--producto",
                        SALE["producto"], "--talla", SALE["talla"], "--color",
                        SALE["color"], "--cantidad", str(SALE["cantidad"]),
                        "--unidad", SALE["unidad"])
        self.assertEqual(vars(found), expected)
        self.assertNotEqual(found.Pr_Cve_Producto, "")
        code = self.p.Codifica_Promocion([found])
        back = self.p.Decodifica_Promocion(code)
        self.assertEqual((back[0].Pr_Cve_Producto, back[0].Pr_Cantidad),
                         (found.Pr_Cve_Producto, found.Pr_Cantidad))

    def test_classifier_promotion(self):
        found = self.p.Get_Promocion_Clasificador(
            MOMENT, SALE["cliente"], SALE["sucursal"], SALE["linea"], 0)
        expected = tool("clasificador", "--sucursal", SALE["sucursal"],
                        "--cliente", SALE["cliente"], "--linea",
                        SALE["linea"])
        self.assertEqual(vars(found), expected)
        self.assertNotEqual(found.Ct_Folio, "")

    def test_promotions_in_force(self):
        rows = self.p.Get_Promocion_Vigentes(MOMENT, SALE["cliente"],
                                             SALE["sucursal"], "LN")
        with rows:
            found = list(rows)
        expected = tool("vigentes", "--sucursal", SALE["sucursal"],
                        "--tipo-clasificador", "LN")
        self.assertEqual(found, expected)
        self.assertGreater(len(found), 0)

    def test_pv_promotions(self):
        found = {
            "pv-cantidad": self.p.Get_Promocion_Pv_Cantidad(
                MOMENT, SALE["sucursal"], SALE["cliente"], SALE["producto"],
                SALE["cantidad"]),
            "pv-importe": self.p.Get_Promocion_Pv_Importe(
                MOMENT, SALE["sucursal"], SALE["cliente"], SALE["ppv_id"]),
        }
        mensaje_importe, error_importe = self.p.Mensaje, self.p.Error
        expected = {
            "pv-cantidad": tool(
                "pv-cantidad", "--reloj", MOMENT, "--sucursal",
                SALE["sucursal"], "--cliente", SALE["cliente"], "--producto",
                SALE["producto"], "--cantidad", str(SALE["cantidad"])),
            "pv-importe": tool(
                "pv-importe", "--reloj", MOMENT, "--sucursal",
                SALE["sucursal"], "--cliente", SALE["cliente"], "--ppv-id",
                SALE["ppv_id"]),
        }
        self.assertEqual(found["pv-cantidad"],
                         expected["pv-cantidad"]["resultado"])
        self.assertEqual(self.p.Leyenda, expected["pv-cantidad"]["leyenda"])
        self.assertEqual(found["pv-importe"],
                         expected["pv-importe"]["resultado"])
        self.assertEqual((mensaje_importe, error_importe),
                         (expected["pv-importe"]["mensaje"],
                          expected["pv-importe"]["error"]))
        for lista in found.values():
            self.assertNotEqual(lista, "")


class GlobalDiscount(unittest.TestCase):
    def test_a_document_is_recorded_line_by_line(self):
        with sqlite3.connect(DATABASE) as db:
            almacen = next(a for s, a in db.execute(
                "SELECT Sc_Cve_Sucursal, Al_Cve_Almacen FROM Almacen")
                if s == SALE["sucursal"])
            moneda = db.execute(
                "SELECT Mn_Cve_Moneda FROM Moneda").fetchone()[0]
            vendedor = db.execute(
                "SELECT Vn_Cve_Vendedor FROM Vendedor").fetchone()[0]
        p = qex.Promociones()
        p.Nuevo_Gescuento_Global()
        d = p.Detalle_Descuento_Global
        for name, value in dict(
                Sucursal=SALE["sucursal"], Almacen=almacen,
                Cliente=SALE["cliente"], Vendedor=vendedor, Moneda=moneda,
                Tipo_Cambio=1, Producto=SALE["producto"],
                Talla=SALE["talla"], Color=SALE["color"],
                Unidad=SALE["unidad"], Unidad_Costo=SALE["unidad"],
                Costo=120, Precio_Lista=250, Descuento_Factor=0.1).items():
            setattr(d, name, value)
        ids = []
        for cantidad in (1, 2):
            d.Cantidad = cantidad
            d.Cantidad_Costo = cantidad
            self.assertTrue(p.Add_Promocion_Descuento_Global(), p.Error)
            ids.append(d.ID)
        self.assertEqual(p.Error, "")
        with sqlite3.connect(DATABASE) as db:
            recorded = [(i, c) for f, i, c in db.execute(
                "SELECT Pdg_Folio, Pdg_ID, Pdg_Cantidad "
                "FROM Promocion_Descuento_Global") if f == d.Folio]
        self.assertEqual(sorted(recorded), sorted(zip(ids, (1, 2))))


if __name__ == "__main__":
    unittest.main()
