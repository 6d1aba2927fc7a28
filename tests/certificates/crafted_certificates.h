#pragma once
// A small certificates pair: group 1 lists families A and B, group 2 names A twice, group 3
// names a letter without a family; A's first certificate has the codes "AB", where the
// requirement lines of code A are lines 1 and 3 and of code B line 2.
#include "vocational/certificates/data/certificate_files.h"

namespace rumbelo::testing {

inline certificates::CertificateFiles craftedCertificates() {
    return certificates::certificateFilesFrom(
        {
            "AB      Grupo uno",
            "AA      Grupo con la letra repetida",
            "Z       Grupo sin familia",
            "B       Cuatro",
            "B       Cinco",
            "B       Seis",
            "B       Siete",
            "B       Ocho",
            "B       Nueve",
            "A-Familia A",
            "ACertificado A1",
            "ACertificado A2",
            "B-Familia B",
            "BCertificado B1",
        },
        {
            "ARequisito A uno",
            "BRequisito B uno",
            "ARequisito A dos",
            "CRequisito C",
            "CRequisito C",
            "CRequisito C",
            "CRequisito C",
            "CRequisito C",
            "CRequisito C",
            "",
            "AB 450 Descripcion de A1",
            "Q   20 Codigo que no nombra nada",
            "",
            "   100 Sin requisitos",
        });
}

}  // namespace rumbelo::testing
