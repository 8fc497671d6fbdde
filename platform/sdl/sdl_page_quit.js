// Linked into the web build (--js-library): the page's SDL_Quit closes the
// sound device too, as the native library's does. Emscripten's own stops only
// the mixer's channels, so the device's timers would go on asking the program
// for sound after it has ended, and the last buffer would loop for ever.
mergeInto(LibraryManager.library, {
  SDL_Quit__deps: ['SDL_AudioQuit', 'SDL_CloseAudio'],
  SDL_Quit: function() {
    _SDL_CloseAudio();
    _SDL_AudioQuit();
  },
});
