#pragma once
// Ending the program. A request takes effect when the running handler has
// returned (a queued quit of the event loop); made before the loop runs, the
// program entry sees it and ends without showing the window.
namespace q7 {

// Exit status of the suite's programs.
enum ExitStatus : int {
  ExitSaved = 0,       // "&Salir" after a save, or no first argument
  ExitLeft = 1,        // left without saving ("&Cancelar", Escape)
  ExitFailed = 2,      // preparation or save failed
  ExitBadModule = 64,  // first argument is not a module number 1 to 5
};

void RequestProgramEnd(int exitStatus);
bool ProgramEndRequested();
int ProgramEndStatus();
// For tests: forget an earlier request.
void ResetProgramEnd();

}  // namespace q7
