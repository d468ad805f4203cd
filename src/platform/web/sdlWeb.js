// What the browser's SDL 1.2 and SDL_ttf (Emscripten's library_sdl.js) lack or do
// differently from the desktop libraries the game is written against. Linked with
// --js-library after the system libraries, so each function here replaces the one of the
// same name there.

// Keeps a system function under another name, so that its replacement can call it.
function quorvaneKeepOriginal(name) {
  var library = LibraryManager.library;
  var kept = {};
  kept['$quorvaneOriginal_' + name] = library[name];
  kept['$quorvaneOriginal_' + name + '__deps'] = ['$SDL'].concat(library[name + '__deps'] || []);
  return kept;
}

mergeInto(LibraryManager.library, quorvaneKeepOriginal('SDL_Init'));
mergeInto(LibraryManager.library, quorvaneKeepOriginal('SDL_SetVideoMode'));

mergeInto(LibraryManager.library, {
  // The game's keys, by DOM key code: the arrows (down too, so that no arrow scrolls the
  // page), A and the digits 1 to 3. Every other key stays the browser's.
  $quorvaneGameKeys: {37: 1, 38: 1, 39: 1, 40: 1, 65: 1, 49: 1, 50: 1, 51: 1},

  $quorvaneFontError: null,

  // SDL's own listeners would swallow every key of the page; these pass it only the game's
  // keys, and tell it when the page loses focus or is hidden, so that it releases the keys
  // held then.
  SDL_Init__deps: ['$quorvaneOriginal_SDL_Init', '$quorvaneGameKeys'],
  SDL_Init: function(initFlags) {
    Module['doNotCaptureKeyboard'] = true;
    var result = quorvaneOriginal_SDL_Init(initFlags);
    var forward = function(event) {
      if (!quorvaneGameKeys[event.keyCode]) return;
      if (event.type === 'keydown' && (event.ctrlKey || event.altKey || event.metaKey)) return;
      SDL.receiveEvent(event);
    };
    document.addEventListener('keydown', forward);
    document.addEventListener('keyup', forward);
    window.addEventListener('focus', SDL.receiveEvent);
    window.addEventListener('blur', SDL.receiveEvent);
    document.addEventListener('visibilitychange', SDL.receiveEvent);
    return result;
  },

  // A new desktop display surface is black; a new canvas is see-through.
  SDL_SetVideoMode__deps: ['$quorvaneOriginal_SDL_SetVideoMode'],
  SDL_SetVideoMode: function(width, height, depth, flags) {
    var surf = quorvaneOriginal_SDL_SetVideoMode(width, height, depth, flags);
    if (surf) {
      var ctx = SDL.surfaces[surf].ctx;
      ctx.fillStyle = '#000000';
      ctx.fillRect(0, 0, width, height);
    }
    return surf;
  },

  // Every surface is already in the display's format; a copy is what the game expects.
  SDL_DisplayFormat__deps: ['SDL_ConvertSurface'],
  SDL_DisplayFormat: function(surf) {
    return _SDL_ConvertSurface(surf);
  },

  // Canvas blits know no colour key but honour alpha: the key colour becomes see-through
  // once, here, and stays exact everywhere else.
  SDL_SetColorKey__deps: ['$SDL', '$quorvaneScratch'],
  SDL_SetColorKey: function(surf, flag, key) {
    if (!(flag & 0x00020000)) return 0; // SDL_SRCCOLORKEY
    var surfData = SDL.surfaces[surf];
    var scratch = quorvaneScratch(surfData.width, surfData.height);
    scratch.drawImage(surfData.canvas, 0, 0);
    var image = scratch.getImageData(0, 0, surfData.width, surfData.height);
    var data = image.data;
    var r = key & 0xff, g = (key >> 8) & 0xff, b = (key >> 16) & 0xff;
    for (var i = 0; i < data.length; i += 4) {
      if (data[i] === r && data[i + 1] === g && data[i + 2] === b) data[i + 3] = 0;
    }
    surfData.ctx.putImageData(image, 0, 0);
    return 0;
  },

  // One canvas to read pixels back from, made for it, cleared to the size asked for.
  $quorvaneScratchContext: null,
  $quorvaneScratch__deps: ['$quorvaneScratchContext'],
  $quorvaneScratch: function(width, height) {
    if (!quorvaneScratchContext) {
      quorvaneScratchContext = document.createElement('canvas').getContext('2d', {willReadFrequently: true});
    }
    quorvaneScratchContext.canvas.width = width;
    quorvaneScratchContext.canvas.height = height;
    return quorvaneScratchContext;
  },

  // A file that is not there gives no stream, as on the desktop.
  SDL_RWFromFile__deps: ['$SDL', '$FS', '$Browser'],
  SDL_RWFromFile: function(_name, mode) {
    var name = UTF8ToString(_name);
    var found = FS.analyzePath(name);
    if (!found.exists || FS.isDir(found.object.mode)) return 0;
    var id = SDL.rwops.length;
    SDL.rwops.push({filename: name, mimetype: Browser.getMimetype(name)});
    return id;
  },

  // Slot 0 stays taken: handle 0 would read as a null stream.
  SDL_FreeRW__deps: ['$SDL'],
  SDL_FreeRW: function(rwopsID) {
    SDL.rwops[rwopsID] = null;
    while (SDL.rwops.length > 1 && SDL.rwops[SDL.rwops.length - 1] === null) {
      SDL.rwops.pop();
    }
  },

  // The browser draws the text, so the font file itself becomes a web font under a name of
  // its own. The vertical metrics are those the desktop library takes from the font's hhea
  // table, rounded up at this size. No font, no game: null, as on the desktop.
  TTF_OpenFont__deps: ['$SDL', '$FS', '$PATH', '$Asyncify', '$quorvaneFontError',
                       '$quorvaneVerticalMetrics'],
  TTF_OpenFont: function(filename, size) {
    return Asyncify.handleAsync(function() {
      var path = PATH.normalize(UTF8ToString(filename));
      var failed = function() {
        quorvaneFontError = path;
        return 0;
      };
      var bytes;
      try {
        bytes = FS.readFile(path);
      } catch (e) {
        return Promise.resolve(failed());
      }
      var metrics = quorvaneVerticalMetrics(bytes, size);
      if (!metrics) return Promise.resolve(failed());
      var family = 'quorvane-font-' + SDL.fonts.length;
      var face = new FontFace(family, bytes);
      return face.load().then(function() {
        document.fonts.add(face);
        var id = SDL.fonts.length;
        SDL.fonts.push({name: family, size: size, ascent: metrics.ascent, descent: metrics.descent});
        return id;
      }, failed);
    });
  },

  $quorvaneVerticalMetrics: function(bytes, size) {
    var view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
    var tables = {};
    try {
      var count = view.getUint16(4);
      for (var i = 0; i < count; i++) {
        var record = 12 + 16 * i;
        var tag = String.fromCharCode(view.getUint8(record), view.getUint8(record + 1),
                                      view.getUint8(record + 2), view.getUint8(record + 3));
        tables[tag] = view.getUint32(record + 8);
      }
      if (tables['head'] === undefined || tables['hhea'] === undefined) return null;
      var unitsPerEm = view.getUint16(tables['head'] + 18);
      var ascender = view.getInt16(tables['hhea'] + 4);
      var descender = view.getInt16(tables['hhea'] + 6);
      return {ascent: Math.ceil(ascender * size / unitsPerEm),
              descent: Math.ceil(descender * size / unitsPerEm)};
    } catch (e) {
      return null;
    }
  },

  // A solid text surface as the desktop library makes it: as high as the font (ascent,
  // baseline row, descent), the glyphs on the baseline, every pixel fully the colour or
  // fully see-through. An empty text gives no surface.
  TTF_RenderText_Solid__deps: ['$SDL', '$quorvaneScratch'],
  TTF_RenderText_Solid: function(font, text, color) {
    text = UTF8ToString(text);
    if (!text) return 0;
    var fontData = SDL.fonts[font];
    var fontString = fontData.size + 'px "' + fontData.name + '"';
    var ctx = quorvaneScratch(1, 1);
    ctx.font = fontString;
    var measured = ctx.measureText(text);
    var w = Math.ceil(Math.max(measured.width, measured.actualBoundingBoxRight));
    var h = fontData.ascent - fontData.descent + 1;
    var rgba = HEAP32[color >> 2];
    var r = rgba & 0xff, g = (rgba >> 8) & 0xff, b = (rgba >> 16) & 0xff;
    ctx = quorvaneScratch(w, h);
    ctx.font = fontString;
    ctx.fillStyle = 'rgb(' + r + ',' + g + ',' + b + ')';
    ctx.fillText(text, 0, fontData.ascent);
    var image = ctx.getImageData(0, 0, w, h);
    var data = image.data;
    for (var i = 0; i < data.length; i += 4) {
      var on = data[i + 3] >= 128;
      data[i] = on ? r : 0;
      data[i + 1] = on ? g : 0;
      data[i + 2] = on ? b : 0;
      data[i + 3] = on ? 255 : 0;
    }
    var surf = SDL.makeSurface(w, h, 0, false, 'text:' + text);
    SDL.surfaces[surf].ctx.putImageData(image, 0, 0);
    return surf;
  },

  // The page counts the frames.
  SDL_Flip: function(surf) {
    if (Module['onFlip']) Module['onFlip']();
    return 0;
  },

  // Nothing to shut down in a page, and nothing to say about it.
  SDL_Quit: function() {},
  TTF_Quit: function() {},

  quorvaneDayEnded__deps: ['$quorvaneFontError'],
  quorvaneDayEnded: function(exitCode) {
    if (Module['onDayEnded']) Module['onDayEnded'](exitCode, quorvaneFontError);
  },
});
