// What a screen reader gets of the page, for the tests that play by ear: the accessibility tree
// as Chromium hands it to assistive technology (names, roles, descriptions, states, the focus)
// and the words of the polite live region, each time its text becomes new words.
'use strict';

// Runs in the page before its own script: every text the live region takes that differs from
// the one before, empty texts left out. Words set again without a change are not heard, as a
// screen reader hears nothing of them.
function listenToLiveRegion() {
  window.heardWords = [];
  document.addEventListener('DOMContentLoaded', () => {
    const region = document.querySelector('[aria-live="polite"]');
    let last = region.textContent;
    new MutationObserver(() => {
      const text = region.textContent;
      if (text !== last && text !== '') window.heardWords.push(text);
      last = text;
    }).observe(region, { childList: true, characterData: true, subtree: true });
  });
}

const propertiesOf = (node) => Object.fromEntries((node.properties || []).map(({ name, value }) =>
  [name, value.relatedNodes ?? value.value]));

// One node as a screen reader gets it, with the roles of its ancestors that it does not ignore.
function readNode(node, byId) {
  const ancestors = [];
  for (let parent = byId.get(node.parentId); parent; parent = byId.get(parent.parentId)) {
    if (!parent.ignored) ancestors.push(parent.role?.value);
  }
  return { role: node.role?.value, name: node.name?.value ?? '', description: node.description?.value ?? '',
           properties: propertiesOf(node), ancestors };
}

class ScreenReader {
  // Call before the page is loaded, so that no words of the live region are missed.
  static async on(page) {
    await page.evaluateOnNewDocument(listenToLiveRegion);
    return new ScreenReader(page, await page.createCDPSession());
  }

  constructor(page, session) {
    this.page = page;
    this.session = session;
    this.heardCount = 0;
  }

  // The whole tree, the nodes a screen reader ignores included, and the nodes by their ids.
  async tree() {
    const { nodes } = await this.session.send('Accessibility.getFullAXTree');
    return { nodes, byId: new Map(nodes.map((node) => [node.nodeId, node])) };
  }

  // The control that has the focus; in a grid, its active cell, which is what is read.
  async focus() {
    const { nodes, byId } = await this.tree();
    const focused = nodes.filter((node) => !node.ignored).filter((node) => propertiesOf(node).focused && node.role?.value !== 'RootWebArea').at(-1);
    if (!focused) return null;
    const active = propertiesOf(focused).activedescendant?.[0]?.backendDOMNodeId;
    const cell = active === undefined ? null : nodes.find((node) => node.backendDOMNodeId === active);
    return { ...readNode(focused, byId), cell: cell ? readNode(cell, byId) : null };
  }

  // Every node of a role, as read.
  async all(role) {
    const { nodes, byId } = await this.tree();
    return nodes.filter((node) => !node.ignored && node.role?.value === role).map((node) => readNode(node, byId));
  }

  // The words the live region has said since the last call.
  async newWords() {
    const words = (await this.page.evaluate(() => window.heardWords)).slice(this.heardCount);
    this.heardCount += words.length;
    return words;
  }
}

// Asks until the answer is not undefined, or fails after the time given.
async function waitFor(ask, what, timeout = 10000) {
  const end = Date.now() + timeout;
  for (;;) {
    const answer = await ask();
    if (answer !== undefined) return answer;
    if (Date.now() > end) throw new Error(`waited in vain for ${what}`);
    await new Promise((resolve) => setTimeout(resolve, 20));
  }
}

module.exports = { ScreenReader, waitFor };
