// Linked into the web build (--js-library): the demo pauses while its page is
// hidden (another tab in front, the phone locked, the page frozen) and goes on
// from the same frame and the same place in the music when it is shown again.
//
// While hidden: the frame wait does not return (SDLEDGEHoldWhileHidden, which
// sdl_page.cpp calls after each sleep, unwinds to the browser until the page
// is shown); the sound context is suspended, holding the buffers it has
// queued; and no sound is mixed or queued (the library's feed, which its
// timers keep calling, is skipped). On show: the program's clock (SDL_GetTicks)
// is moved on by the time the page was hidden, so the frame pacing sees one
// ordinary frame and draws no burst of frames to catch up, and the sound
// context resumes with the buffers it held.
mergeInto(LibraryManager.library, {
  $PagePause__deps: ['$SDL', '$safeSetTimeout'],
  $PagePause__postset: 'PagePause.listen();',
  $PagePause: {
    hidden: false,
    since: 0,
    wake: null,

    listen: function() {
      if (typeof document === 'undefined') return;
      document.addEventListener('visibilitychange', function() {
        if (document.hidden) PagePause.hide(); else PagePause.show();
      });
      document.addEventListener('freeze', function() { PagePause.hide(); });
      document.addEventListener('resume', function() {
        if (!document.hidden) PagePause.show();
      });
    },

    hide: function() {
      if (PagePause.hidden) return;
      PagePause.hidden = true;
      PagePause.since = Date.now();
      var audio = SDL.audio;
      if (audio && !audio.pageFeed) {
        audio.pageFeed = audio.queueNewAudioData;
        audio.queueNewAudioData = function() {
          if (!PagePause.hidden) audio.pageFeed();
        };
      }
      if (SDL.audioContext && SDL.audioContext.state === 'running') SDL.audioContext.suspend();
    },

    show: function() {
      if (!PagePause.hidden) return;
      PagePause.hidden = false;
      if (SDL.startTime !== null) SDL.startTime += Date.now() - PagePause.since;
      if (SDL.audioContext && SDL.audioContext.state === 'suspended') SDL.audioContext.resume();
      var wake = PagePause.wake;
      PagePause.wake = null;
      if (wake) safeSetTimeout(wake, 0);
    },
  },

  SDLEDGEHoldWhileHidden__deps: ['$PagePause'],
  SDLEDGEHoldWhileHidden: function() {
    if (document.hidden) PagePause.hide();  // hidden since before the program started
    // Always through handleSleep: when the program is woken, this is called
    // again to finish the rewind, and the page is no longer hidden by then.
    return Asyncify.handleSleep(function(wakeUp) {
      if (PagePause.hidden) PagePause.wake = wakeUp; else wakeUp();
    });
  },
});
