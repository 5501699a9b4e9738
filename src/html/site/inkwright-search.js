/* inkWright search: finds the entries of inkwright-index.js that match the query of the search
 * page and lists them in #search-results.
 *
 * Plain ES5 that also runs in the old script engine of compiled help files: no library, no
 * addEventListener without attachEvent beside it, no Array.prototype.indexOf, no String.trim, no
 * word that engine reserves as a name ("byte", "char", "int"), and every object it needs looked
 * for first, so that a page without it shows no script error. Results
 * are built from text nodes only, never from markup, so no name or description of the sources can
 * run as script.
 *
 * Ranks, best first: 0 the name is the query, 1 the name begins with it, 2 the name holds it,
 * 3 the description holds each word of the query at the start of one of its words. A name is
 * compared with the whole query, trimmed of blanks. Case is ignored for A-Z only, as the pages
 * sort names. Within a rank, entries keep the order of the index. */
(function () {
  var MAX_RESULTS = 50;
  var doc = window.document;
  var index = typeof inkwrightIndex === "object" ? inkwrightIndex : null;
  if (!index || typeof index.names !== "string" || !doc || !doc.getElementById) {
    return;
  }

  // Each field of the index is one string, a line per entry: reading one string and splitting it
  // costs a browser far less than reading an array of as many strings.
  var count = index.entries;

  function lines(text, separator) {
    return count > 0 ? String(text).split(separator || "\n") : [];
  }

  var shownNames = lines(index.names);
  var shownDescriptions = lines(index.descriptions);
  var sections = lines(index.sections);
  var sectionOf = lines(index.sectionOf, ",");
  // Empty where every link is the name and ".html".
  var hrefs = index.hrefs ? lines(index.hrefs) : [];
  if (shownNames.length !== count || shownDescriptions.length !== count ||
      sectionOf.length !== count) {
    return;
  }

  function lowerRun(run) {
    return run.toLowerCase();
  }

  // toLowerCase alone would also fold other letters, some into longer text ("\u0130"), so it
  // lowers a whole text only where that holds no other letter.
  function lowerAscii(text) {
    return /[^\x00-\x7f]/.test(text) ? text.replace(/[A-Z]+/g, lowerRun) : text.toLowerCase();
  }

  // Made once, as the page loads, so that a query only compares. A description keeps its words,
  // lowered, and has every other character but the blank made a blank: a word of the query is
  // the start of one of its words exactly when it begins the description or follows a blank.
  // Replacing the blanks too would cost a replacement between every two words.
  var names = lines(lowerAscii(index.names));
  var descriptions = lines(lowerAscii(index.descriptions)
      .replace(/[^A-Za-z0-9_\u0080-\uffff\n ]+/g, " "));
  var i;

  function trimBlanks(text) {
    return text.replace(/^[ \t\r\n\f]+|[ \t\r\n\f]+$/g, "");
  }

  // The entries that match query, best rank first, at most MAX_RESULTS.
  function search(query) {
    var found = [];
    var name = lowerAscii(trimBlanks(query));
    if (name === "") {
      return found;
    }
    var words = name.split(/[ \t\r\n\f]+/);
    var starts = [];
    var w;
    for (w = 0; w < words.length; w++) {
      starts[w] = " " + words[w];
    }
    var ranks = [[], [], [], []];
    var better = 0; /* how many entries the ranks above the description have */
    var k, at, rank, text;
    for (k = 0; k < count; k++) {
      text = names[k];
      at = text.indexOf(name);
      if (at === 0) {
        rank = text.length === name.length ? 0 : 1;
      } else if (at > 0) {
        rank = 2;
      } else {
        // Once the names fill the list, no description can enter it.
        if (better >= MAX_RESULTS) {
          continue;
        }
        text = descriptions[k];
        for (w = 0; w < words.length; w++) {
          if (text.indexOf(starts[w]) < 0 && text.lastIndexOf(words[w], 0) !== 0) {
            break;
          }
        }
        if (w < words.length) {
          continue;
        }
        rank = 3;
      }
      if (ranks[rank].length < MAX_RESULTS) {
        ranks[rank].push(k);
        if (rank < 3) {
          better++;
        }
      }
    }
    for (rank = 0; rank < ranks.length && found.length < MAX_RESULTS; rank++) {
      for (k = 0; k < ranks[rank].length && found.length < MAX_RESULTS; k++) {
        found.push(ranks[rank][k]);
      }
    }
    return found;
  }

  // The link of entry k. A link whose first part holds ":" would read as a scheme
  // ("javascript:..."); "./" before it keeps it the file it names.
  function hrefOf(k) {
    var href = hrefs[k] || shownNames[k] + ".html";
    return /^[^\/?#]*:/.test(href) ? "./" + href : href;
  }

  function element(tag, className, text) {
    var made = doc.createElement(tag);
    if (className) {
      made.className = className;
    }
    made.appendChild(doc.createTextNode(text));
    return made;
  }

  var list = doc.getElementById("search-results");
  var input = null;
  var inputs = doc.getElementsByTagName ? doc.getElementsByTagName("input") : [];
  for (i = 0; i < inputs.length; i++) {
    if (inputs[i].name === "q") {
      input = inputs[i];
      break;
    }
  }

  var shownQuery = null;
  var shownResults = [];

  function show(query) {
    if (query === shownQuery) {
      return;
    }
    shownQuery = query;
    shownResults = search(query);
    if (!list) {
      return;
    }
    while (list.firstChild) {
      list.removeChild(list.firstChild);
    }
    var items = doc.createDocumentFragment ? doc.createDocumentFragment() : list;
    var r, k, item, link;
    for (r = 0; r < shownResults.length; r++) {
      k = shownResults[r];
      item = doc.createElement("li");
      link = element("a", "", shownNames[k]);
      link.setAttribute("href", hrefOf(k));
      item.appendChild(link);
      item.appendChild(doc.createTextNode(" "));
      item.appendChild(element("span", "section", sections[sectionOf[k]] || ""));
      item.appendChild(doc.createTextNode(" "));
      item.appendChild(element("span", "description", shownDescriptions[k]));
      items.appendChild(item);
    }
    if (items !== list) {
      list.appendChild(items);
    }
  }

  function hexValue(text, at) {
    return /^[0-9A-Fa-f]{2}$/.test(text.substr(at, 2)) ? parseInt(text.substr(at, 2), 16) : -1;
  }

  // Reads bytes as UTF-8; a byte that does not begin a well-formed sequence reads as U+FFFD.
  function utf8Text(bytes) {
    var out = "";
    var at = 0;
    var lead, length, code, low, high, n, next;
    while (at < bytes.length) {
      lead = bytes[at];
      length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 :
               lead >= 0xE0 && lead <= 0xEF ? 3 : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
      code = length === 1 ? lead : length === 2 ? lead & 0x1F : length === 3 ? lead & 0x0F :
             lead & 0x07;
      low = lead === 0xE0 ? 0xA0 : lead === 0xF0 ? 0x90 : 0x80;
      high = lead === 0xED ? 0x9F : lead === 0xF4 ? 0x8F : 0xBF;
      for (n = 1; n < length; n++) {
        next = at + n < bytes.length ? bytes[at + n] : -1;
        if (next < low || next > high) {
          break;
        }
        code = code * 64 + (next & 0x3F);
        low = 0x80;
        high = 0xBF;
      }
      if (length === 0 || n < length) {
        out += "\ufffd";
        at += length === 0 ? 1 : n;
      } else if (code > 0xFFFF) {
        code -= 0x10000;
        out += String.fromCharCode(0xD800 + (code >> 10), 0xDC00 + (code & 0x3FF));
        at += length;
      } else {
        out += String.fromCharCode(code);
        at += length;
      }
    }
    return out;
  }

  // A value of a form sent by GET: "+" is a blank, "%XX" a byte of UTF-8. A "%" without two hex
  // digits after it stays as it is, as browsers read it.
  function formValue(text) {
    var out = "";
    var bytes = [];
    var at = 0;
    var c, escaped;
    text = text.replace(/\+/g, " ");
    while (at < text.length) {
      c = text.charAt(at);
      escaped = c === "%" ? hexValue(text, at + 1) : -1;
      if (escaped >= 0) {
        bytes.push(escaped);
        at += 3;
        continue;
      }
      if (bytes.length > 0) {
        out += utf8Text(bytes);
        bytes = [];
      }
      out += c;
      at++;
    }
    return bytes.length > 0 ? out + utf8Text(bytes) : out;
  }

  function queryOf(search) {
    var pairs = String(search || "").replace(/^\?/, "").split("&");
    var p, equals;
    for (p = 0; p < pairs.length; p++) {
      equals = pairs[p].indexOf("=");
      if (equals >= 0 && formValue(pairs[p].substring(0, equals)) === "q") {
        return formValue(pairs[p].substring(equals + 1));
      }
    }
    return "";
  }

  function listen(target, type, handler) {
    if (target.addEventListener) {
      target.addEventListener(type, handler, false);
    } else if (target.attachEvent) {
      target.attachEvent("on" + type, handler);
    }
  }

  function fromInput() {
    show(String(input.value));
  }

  // Enter opens the first result, and the form is not sent; with no result the form is sent and
  // the search page shows the query again.
  var leaving = false;

  function onKeyDown(event) {
    event = event || window.event;
    if (!event || event.keyCode !== 13) {
      return true;
    }
    fromInput();
    if (shownResults.length === 0) {
      return true;
    }
    leaving = true;
    if (event.preventDefault) {
      event.preventDefault();
    }
    event.returnValue = false;
    window.location.href = hrefOf(shownResults[0]);
    return false;
  }

  function onSubmit(event) {
    event = event || window.event;
    if (!leaving) {
      return true;
    }
    if (event && event.preventDefault) {
      event.preventDefault();
    }
    if (event) {
      event.returnValue = false;
    }
    return false;
  }

  var query = "";
  try {
    query = queryOf(window.location.search);
  } catch (ignored) {
    query = "";
  }
  if (input) {
    input.value = query;
    listen(input, "input", fromInput);
    listen(input, "keyup", fromInput);
    listen(input, "propertychange", fromInput);
    listen(input, "keydown", onKeyDown);
    if (input.form) {
      listen(input.form, "submit", onSubmit);
    }
  }
  show(query);
})();
