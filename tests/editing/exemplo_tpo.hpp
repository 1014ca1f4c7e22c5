// The example section as its lines read without their trailing spaces.
#pragma once

#include <string>
#include <vector>

namespace zidod {

inline const std::vector<std::string> kLinhasExemplo = {
    "! Ridiz Aroz Versao 3.0",
    "& Secao de exemplo",
    "@ ELEMENTOS_DE_AREA_VARIAVEL",
    "GERAL             11cd",
    "# PLATAFORMA      14.000          0.150",
    "* -7.00000       -0.14000        P1              -2",
    "* -3.50000       -0.07000                        -1",
    "* 0.00000        0.00000         P3              0",
    "* 3.50000        -0.07000                        1",
    "* 7.00000        -0.14000        P5              2",
    "# TALUDE_ATERRO_ESQUERDO",
    "~ AE              OAE",
    "* -10.00000      -2.14000",
    "* -7.00000       -0.14000",
    "# TALUDE_ATERRO_DIREITO",
    "~ AD              OAD",
    "* 7.00000        -0.14000",
    "* 10.00000       -2.14000",
    "# TALUDE_CORTE_ESQUERDO",
    "~ CE              OCE",
    "% CAT1 TALUDE_CORTE_ESQUERDO",
    "* -8.50000       0.85000",
    "* -7.50000       -0.15000",
    "% CAT2 TALUDE_CORTE_ESQUERDO",
    "% CAT3 TALUDE_CORTE_ESQUERDO",
    "# TALUDE_CORTE_DIREITO",
    "~ CD              OCD",
    "% CAT1 TALUDE_CORTE_DIREITO",
    "* 7.00000        -0.14000",
    "* 8.00000        0.86000",
    "% CAT2 TALUDE_CORTE_DIREITO",
    "% CAT3 TALUDE_CORTE_DIREITO",
    "# SARGETA_ESQUERDA 0 0.500           0.300           0.200           SE   0",
    "* -7.50000       -0.15000",
    "* -7.40000       -0.34000",
    "* -7.10000       -0.34000",
    "* -7.00000       -0.14000",
    "# SARGETA_DIREITA  0 *************** *************** ***************      1",
    "# SARGETA_CENTRAL",
    "\\ 1  16    1",
    "@ ELEMENTOS_DE_AREA_FIXA",
    "| M1                   Camada de exemplo             C1              2.10000         ATERRO",
    "* -7.00000       0.00000",
    "* 7.00000        0.00000",
    "* 7.00000        -0.15000",
    "* -7.00000       -0.15000",
};

}  // namespace zidod
