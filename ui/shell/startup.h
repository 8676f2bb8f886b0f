#pragma once

// Builds the windows that live for the whole run, hidden, each with its
// creation step, in this order: the main menu, the three help pages, the
// vehicle-class choice, the data module, the study-set choice. A step that
// fails is reported and start-up goes on.
void startUp();
