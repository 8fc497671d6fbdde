// Linked into the web build (--js-library): the way out of the program on a
// page works as a process's does.
//
// exit(): the sound device's pending timers keep Emscripten's runtime
// nominally alive, and a runtime kept alive skips the exit handlers, SDL_Quit
// among them. A process's exit runs them, so the page's forces the runtime
// down (what emscripten_force_exit does) and runs them too.
//
// SDL_Quit(): Emscripten's stops only the mixer's channels; the native one
// also closes the sound device, without which the device's timers would go on
// asking the ended program for sound, the last buffer looping for ever.
mergeInto(LibraryManager.library, {
  exit__deps: ['emscripten_force_exit'],
  exit: function(status) {
    _emscripten_force_exit(status);
  },

  SDL_Quit__deps: ['SDL_AudioQuit', 'SDL_CloseAudio'],
  SDL_Quit: function() {
    _SDL_CloseAudio();
    _SDL_AudioQuit();
  },
});
