var inkwrightIndex = [];
