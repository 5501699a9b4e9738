var inkwrightIndex = {entries: 3,
sections: "Menu",
names: "Cafe\u000Acaf\u00E9\u000AMenu",
sectionOf: "0,0,0",
descriptions: "The plain name.\u000ACoffee for \u20AC5, \u201Cquoted\u201D as \u0081is.\u000AWhat the caf\u00E9 serves.",
hrefs: "\u000Acaf.html\u000A"};
