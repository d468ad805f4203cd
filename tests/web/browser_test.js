'use strict';
// The web build as a player meets it: headless Chromium (Debian's) loads the site from a
// server on 127.0.0.1 and plays it with real key events, and every screen that the rules
// make the same on every run is held pixel for pixel against the frame the desktop game
// draws (quorvane_native_frames).
//
//   node tests/web/browser_test.js --site DIR --driver DIR --native-frames BINARY --work DIR
//
// Cases:
//   a day          focus and scale on load; title and credits; play with the HUD; a walk
//                  that scrolls the street and stops when the page loses focus; arrows that
//                  do not scroll the page; the list of errands; skipping errands until the
//                  money is gone; the end of the day; about 30 frames a second; a new day
//   missing title  with the title picture gone the game draws nothing there and plays on
//   refused font   when the browser cannot load the font, the page says so and no game runs

const childProcess = require('child_process');
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');

const W = 640;
const H = 480;
const BROWSER = '/usr/bin/chromium';
// ctest's SKIP_RETURN_CODE for this test.
const SKIPPED = 77;
// The rows above the buildings (sky and money), and where the player stands idle.
const TOP_BAND = [0, 78];
// Building tops and signs: only the street scrolling changes them.
const BUILDING_BAND = [78, 150];
const IDLE_AT = [312, 235];
const MAIL_TOP_BAND = [0, 59];

class Failure extends Error {}

function parseArgs(argv) {
  const args = {};
  for (let i = 2; i + 1 < argv.length; i += 2) args[argv[i].replace(/^--/, '')] = argv[i + 1];
  for (const name of ['site', 'driver', 'native-frames', 'work']) {
    if (!args[name]) throw new Error('missing --' + name);
  }
  return args;
}

function sleep(ms) {
  return new Promise((resolve) => setTimeout(resolve, ms));
}

async function waitUntil(what, check, timeoutMs = 30000) {
  const deadline = Date.now() + timeoutMs;
  for (;;) {
    const value = await check();
    if (value) return value;
    if (Date.now() > deadline) throw new Failure('timed out waiting for ' + what);
    await sleep(30);
  }
}

// An RGB picture: width, height and 3 bytes a pixel, rows top to bottom.
function readPpm(file) {
  const bytes = fs.readFileSync(file);
  const header = bytes.toString('latin1', 0, 20).match(/^P6\s+(\d+)\s+(\d+)\s+255\s/);
  if (!header) throw new Error(file + ' is not a binary PPM');
  return {width: +header[1], height: +header[2], rgb: bytes.subarray(header[0].length)};
}

function nativeFrames(binary, work) {
  const dir = path.join(work, 'native');
  fs.mkdirSync(dir, {recursive: true});
  const run = childProcess.spawnSync(binary, [dir], {stdio: 'inherit'});
  if (run.status !== 0) throw new Error('quorvane_native_frames failed');
  const frames = {};
  for (const name of ['title', 'credits', 'street', 'mail', 'gameover', 'playerIdle']) {
    frames[name] = readPpm(path.join(dir, name + '.ppm'));
  }
  return frames;
}

function serve(site) {
  const types = {'.html': 'text/html; charset=utf-8', '.js': 'text/javascript',
                 '.wasm': 'application/wasm', '.data': 'application/octet-stream'};
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(request.url.split('?')[0]);
    const file = path.join(site, name === '/' ? 'index.html' : path.normalize(name));
    fs.readFile(file, (error, body) => {
      if (error || !file.startsWith(site)) {
        response.writeHead(404);
        response.end();
        return;
      }
      response.writeHead(200, {'Content-Type': types[path.extname(file)] || 'application/octet-stream'});
      response.end(body);
    });
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// Rows y0..y1 of what the game drew (the canvas's own 640 x 480 pixels), as RGB.
async function capture(page, [y0, y1] = [0, H]) {
  const base64 = await page.evaluate((y0, y1, W) => {
    const ctx = document.getElementById('screen').getContext('2d');
    const rgba = ctx.getImageData(0, y0, W, y1 - y0).data;
    const rgb = new Uint8Array((rgba.length / 4) * 3);
    for (let i = 0, j = 0; i < rgba.length; i += 4, j += 3) {
      rgb[j] = rgba[i];
      rgb[j + 1] = rgba[i + 1];
      rgb[j + 2] = rgba[i + 2];
    }
    let text = '';
    for (let i = 0; i < rgb.length; i += 0x8000) {
      text += String.fromCharCode.apply(null, rgb.subarray(i, i + 0x8000));
    }
    return btoa(text);
  }, y0, y1, W);
  return Buffer.from(base64, 'base64');
}

function rows(frame, [y0, y1]) {
  return frame.rgb.subarray(y0 * W * 3, y1 * W * 3);
}

// How many pixels of `got` differ from `want` (same size), and where the first one is.
function difference(got, want, width) {
  let count = 0;
  let first = null;
  for (let i = 0; i < want.length; i += 3) {
    if (got[i] !== want[i] || got[i + 1] !== want[i + 1] || got[i + 2] !== want[i + 2]) {
      if (count++ === 0) {
        first = {x: (i / 3) % width, y: Math.floor(i / 3 / width),
                 got: [got[i], got[i + 1], got[i + 2]], want: [want[i], want[i + 1], want[i + 2]]};
      }
    }
  }
  return {count, first};
}

async function shows(page, frame, band = [0, H]) {
  const got = await capture(page, band);
  return difference(got, rows(frame, band), W).count === 0;
}

async function expectShows(page, frame, band, what) {
  const got = await capture(page, band);
  const diff = difference(got, rows(frame, band), W);
  if (diff.count) {
    throw new Failure(what + ': ' + diff.count + ' pixels differ from the desktop game, the first ' +
                      JSON.stringify(diff.first) + ' (rows from ' + band[0] + ')');
  }
}

// Waits until the screen equals the desktop's frame (within `band`); if it never does, says
// how it differs.
async function waitUntilShows(page, frame, band, what, timeoutMs) {
  try {
    await waitUntil(what, () => shows(page, frame, band), timeoutMs);
  } catch (error) {
    if (error instanceof Failure) await expectShows(page, frame, band, what);
    throw error;
  }
}

// The standing player's picture, key-coloured pixels left out, at its place on screen.
async function standingInTheMiddle(page, sprite) {
  const [x0, y0] = IDLE_AT;
  const band = await capture(page, [y0, y0 + sprite.height]);
  for (let y = 0; y < sprite.height; y++) {
    for (let x = 0; x < sprite.width; x++) {
      const s = (y * sprite.width + x) * 3;
      const p = (y * W + x0 + x) * 3;
      const [r, g, b] = sprite.rgb.subarray(s, s + 3);
      if (r === 255 && g === 0 && b === 255) continue;
      if (band[p] !== r || band[p + 1] !== g || band[p + 2] !== b) return false;
    }
  }
  return true;
}

function expectNoKeyColour(frame, what) {
  for (let i = 0; i < frame.length; i += 3) {
    if (frame[i] === 255 && frame[i + 1] === 0 && frame[i + 2] === 255) {
      throw new Failure(what + ': a see-through (magenta) pixel shows at x ' + ((i / 3) % W) +
                        ', y ' + Math.floor(i / 3 / W));
    }
  }
}

// Holds `key` down until the screen equals the desktop's frame: a held key, as the game
// reads it.
async function holdUntilShows(page, key, frame, band, what) {
  await page.keyboard.down(key);
  try {
    await waitUntilShows(page, frame, band, what);
  } finally {
    await page.keyboard.up(key);
  }
}

async function pageState(page) {
  return page.evaluate(() => window.quorvanePage);
}

async function canvasScale(page) {
  return page.evaluate(() => {
    const canvas = document.getElementById('screen');
    const box = canvas.getBoundingClientRect();
    return {width: box.width * devicePixelRatio, height: box.height * devicePixelRatio,
            rendering: getComputedStyle(canvas).imageRendering};
  });
}

async function openGame(browser, url, viewport, beforeLoad) {
  const page = await browser.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push('page error: ' + error.message));
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push('console error: ' + message.text());
  });
  page.on('requestfailed', (request) => errors.push('request failed: ' + request.url()));
  await page.setViewport(viewport);
  if (beforeLoad) await page.evaluateOnNewDocument(beforeLoad);
  await page.goto(url);
  return {page, errors};
}

function expectNoErrors(errors) {
  if (errors.length) throw new Failure(errors.join('; '));
}

async function aDay(browser, url, native) {
  // Small enough that the page scrolls if an arrow key lets it.
  const {page, errors} = await openGame(browser, url, {width: 900, height: 560});
  await waitUntilShows(page, native.title, [0, H], 'the title screen');

  const focus = await page.evaluate(() => [document.hasFocus(), document.activeElement.id]);
  if (!focus[0] || focus[1] !== 'screen') throw new Failure('the game has no keyboard focus on load');
  let scale = await canvasScale(page);
  if (scale.width !== W || scale.height !== H || scale.rendering !== 'pixelated') {
    throw new Failure('in a small window the game shows at ' + JSON.stringify(scale));
  }
  await page.setViewport({width: 1400, height: 1250});
  scale = await waitUntil('the game at twice its size', async () => {
    const s = await canvasScale(page);
    return s.width === 2 * W && s.height === 2 * H && s;
  });
  await page.setViewport({width: 900, height: 560});
  await waitUntil('the game at its own size', async () => (await canvasScale(page)).width === W);

  await holdUntilShows(page, 'ArrowUp', native.credits, [0, H], 'the credits screen');
  await holdUntilShows(page, 'a', native.street, TOP_BAND, 'the street with its HUD');

  const sprite = native.playerIdle;
  const before = await waitUntil('the player standing in the middle', async () =>
    (await standingInTheMiddle(page, sprite)) && capture(page));
  expectNoKeyColour(before, 'the street');
  await page.keyboard.down('ArrowRight');
  const walking = await waitUntil('RIGHT to walk the player along the street', async () => {
    const now = await capture(page);
    return !rows({rgb: now}, BUILDING_BAND).equals(rows({rgb: before}, BUILDING_BAND)) &&
           !(await standingInTheMiddle(page, sprite)) && now;
  });
  expectNoKeyColour(walking, 'the street during the walk');
  // Losing the focus releases the held key: the player stops with the key still down.
  await page.evaluate(() => window.dispatchEvent(new Event('blur')));
  await waitUntil('the player to stop when the page lost focus', () =>
    standingInTheMiddle(page, sprite));
  const stopped = await capture(page, BUILDING_BAND);
  await sleep(500);
  if (!stopped.equals(await capture(page, BUILDING_BAND))) {
    throw new Failure('the street still scrolls after the page lost focus');
  }
  await page.keyboard.up('ArrowRight');
  const [scrolled, scrollable] = await page.evaluate(() =>
    [window.scrollY, document.documentElement.scrollHeight > window.innerHeight]);
  await page.keyboard.press('ArrowDown');
  const scrolledAfter = await page.evaluate(() => window.scrollY);
  if (!scrollable) throw new Failure('the page is too short to show whether arrows scroll it');
  if (scrolled !== 0 || scrolledAfter !== 0) {
    throw new Failure('the arrow keys scrolled the page by ' + Math.max(scrolled, scrolledAfter) + ' px');
  }

  await holdUntilShows(page, 'ArrowUp', native.mail, MAIL_TOP_BAND, 'the list of errands');
  await sleep(500);
  await expectShows(page, native.mail, MAIL_TOP_BAND, 'the list of errands (settled)');

  // Each skip costs $1 and a held 1 skips again every 15 frames, so the money runs out.
  await page.keyboard.down('1');
  const pacing = await page.evaluate(async () => {
    const times = [];
    const count = window.Module.onFlip;
    window.Module.onFlip = () => {
      times.push(performance.now());
      count();
    };
    await new Promise((resolve) => setTimeout(resolve, 5000));
    window.Module.onFlip = count;
    const gaps = times.slice(1).map((t, i) => t - times[i]).sort((a, b) => a - b);
    return {fps: ((times.length - 1) * 1000) / (times[times.length - 1] - times[0]),
            median: gaps[gaps.length >> 1], slowest: gaps[gaps.length - 1]};
  });
  await waitUntilShows(page, native.gameover, [0, H], 'the end of the day', 60000);
  await page.keyboard.up('1');
  console.log('while playing: ' + pacing.fps.toFixed(1) + ' frames a second, ' +
              pacing.median.toFixed(1) + ' ms from flip to flip (median), the slowest ' +
              pacing.slowest.toFixed(1) + ' ms');
  if (pacing.fps < 27 || pacing.fps > 31) {
    throw new Failure('the game ran at ' + pacing.fps.toFixed(1) + ' frames a second');
  }

  await waitUntil('the offer of a new day', async () =>
    (await pageState(page)).exitCode === 0 && page.$('#notice button'), 30000);
  await page.click('#notice button');
  await waitUntil('the title screen of a new day', async () =>
    (await pageState(page)).flips > 0 && shows(page, native.title));
  expectNoErrors(errors);
  await page.close();
}

async function missingTitle(browser, url, native) {
  // The page's Module as the game's script finds it, with the title taken out of the packed
  // media once they are unpacked, just before the game starts.
  const removeTitle = () => {
    let module;
    Object.defineProperty(window, 'Module', {
      configurable: true,
      get: () => module,
      set: (value) => {
        module = value;
        module.onRuntimeInitialized = () => window.FS.unlink('/media/titlescreen.bmp');
      },
    });
  };
  const {page, errors} = await openGame(browser, url, {width: 900, height: 700}, removeTitle);
  await waitUntil('the first frames', async () => (await pageState(page)).flips > 10);
  const frame = await capture(page);
  if (frame.some((value) => value !== 0)) throw new Failure('without its picture the title is not black');
  await holdUntilShows(page, 'a', native.street, TOP_BAND, 'the street with its HUD');
  expectNoErrors(errors);
  await page.close();
}

async function refusedFont(browser, url) {
  const refuse = () => {
    FontFace.prototype.load = () => Promise.reject(new DOMException('refused', 'NetworkError'));
  };
  const {page, errors} = await openGame(browser, url, {width: 900, height: 700}, refuse);
  await waitUntil('the game to give up', async () => (await pageState(page)).exitCode !== null);
  const seen = await page.evaluate(() => {
    const notice = document.getElementById('notice');
    return {text: notice.textContent, fault: notice.className, flips: window.quorvanePage.flips,
            exitCode: window.quorvanePage.exitCode};
  });
  if (seen.exitCode !== 1 || seen.flips !== 0) {
    throw new Failure('without its font the game ran: ' + JSON.stringify(seen));
  }
  if (!/font media\/pf_ronda_seven\.ttf could not be loaded/.test(seen.text) || seen.fault !== 'fault') {
    throw new Failure('without its font the page says ' + JSON.stringify(seen.text));
  }
  expectNoErrors(errors);
  await page.close();
}

async function main() {
  const args = parseArgs(process.argv);
  if (!fs.existsSync(BROWSER)) {
    // Where the distribution packages no Chromium of its own (Ubuntu has only a snap).
    console.log('skipped: no ' + BROWSER);
    process.exitCode = SKIPPED;
    return;
  }
  const puppeteer = require(path.join(path.resolve(args.driver), 'node_modules', 'puppeteer-core'));
  const site = path.resolve(args.site);
  fs.mkdirSync(args.work, {recursive: true});
  const native = nativeFrames(args['native-frames'], args.work);
  const server = await serve(site);
  const url = 'http://127.0.0.1:' + server.address().port + '/';
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'quorvane-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: BROWSER,
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--no-first-run',
           '--user-data-dir=' + profile],
  });
  const cases = [['a day', aDay], ['missing title', missingTitle], ['refused font', refusedFont]];
  let passed = 0;
  let failed = 0;
  try {
    for (const [name, run] of cases) {
      try {
        await run(browser, url, native);
        console.log('ok - ' + name);
        passed++;
      } catch (error) {
        if (!(error instanceof Failure)) throw error;
        console.log('FAIL - ' + name + ': ' + error.message);
        failed++;
      }
    }
  } finally {
    await browser.close();
    server.close();
    fs.rmSync(profile, {recursive: true, force: true});
  }
  console.log(passed + ' passed, ' + failed + ' failed');
  process.exitCode = failed ? 1 : 0;
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
