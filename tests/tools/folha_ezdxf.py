"""Reads a sheet's DXF file with ezdxf, the independent reader of the tests,
and prints as one JSON object the audit's errors, the layers, the
dimensions with their measurements and the texts."""
import json
import sys

import ezdxf


def main(caminho):
    doc = ezdxf.readfile(caminho)
    auditoria = doc.audit()
    msp = doc.modelspace()
    print(json.dumps({
        "erros": [str(erro.message) for erro in auditoria.errors],
        "camadas": [camada.dxf.name for camada in doc.layers],
        "cotas": [{"camada": d.dxf.layer, "medida": d.get_measurement()} for d in msp.query("DIMENSION")],
        "textos": [{"camada": t.dxf.layer, "texto": t.dxf.text} for t in msp.query("TEXT")],
        "preenchimentos": [h.dxf.layer for h in msp.query("HATCH")],
    }))


if __name__ == "__main__":
    main(sys.argv[1])
