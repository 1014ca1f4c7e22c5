"""Reads a DXF file with ezdxf, the independent reader of the tests, and
prints what the tests check as one JSON object: the audit's errors and
fixes, the layers, and the polylines of model space with their bulges."""
import json
import sys

import ezdxf


def main(caminho):
    doc = ezdxf.readfile(caminho)
    auditoria = doc.audit()
    poligonais = []
    for e in doc.modelspace().query("LWPOLYLINE POLYLINE"):
        if e.dxftype() == "LWPOLYLINE":
            pontos = [list(p) for p in e.get_points("xy")]
            abaulamentos = [b for (b,) in e.get_points("b")]
        else:
            pontos = [[v.dxf.location.x, v.dxf.location.y] for v in e.vertices]
            abaulamentos = [v.dxf.bulge for v in e.vertices]
        poligonais.append({"camada": e.dxf.layer, "fechada": bool(e.closed), "pontos": pontos,
                           "abaulamentos": abaulamentos})
    print(json.dumps({
        "versao": doc.dxfversion,
        "erros": [str(erro.message) for erro in auditoria.errors],
        "correcoes": len(auditoria.fixes),
        "camadas": [camada.dxf.name for camada in doc.layers],
        "poligonais": poligonais,
    }))


if __name__ == "__main__":
    main(sys.argv[1])
