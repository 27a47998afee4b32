#pragma once
// Saving the batch as an RTF document in the folder "Exerc", and opening it with the
// desktop's program for ".rtf" files.
namespace tirelo {

struct Programa;

// Asks for the save values, writes the document; false when nothing was written
// (empty batch, cancelled, empty name) or writing failed (the user is told why).
bool Desa(Programa& prg);
// Opens the document last written, saving first when none has been written for
// this batch.
void ObreEnEditor(Programa& prg);

}  // namespace tirelo
