#pragma once
// data/certificates/ -> "certifica" and "certificaH", aligned line by line; and the check of
// a built folder's pair.
#include "data/check.h"
#include "data/compile.h"

namespace rumbelo::data {

void compileCertificates(CompileContext& ctx);
void checkCertificates(CheckContext& ctx);

}  // namespace rumbelo::data
