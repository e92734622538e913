#pragma once

// The program's shared pseudo-random generator: uniformly distributed in [0, 1). It is
// never seeded by the evaluator, so a run repeats its sequence unless someone seeds it.
double Zufallszahl();

// Restarts the shared generator with the given seed.
void ZufallszahlStarten(unsigned long long Startwert);
