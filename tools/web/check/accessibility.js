// What a screen reader is given in chromium once the player turns it on: the page's
// accessibility tree, as chromium's DevTools protocol reports it (what a screen reader reads).
'use strict';

// The tree as a list in reading order, each node with its role, name, value, description, the
// properties that matter here, and the titles of the windows (regions and dialogs) it is in.
async function readingOrder(cdp) {
  const { nodes } = await cdp.send('Accessibility.getFullAXTree');
  const byId = new Map(nodes.map((node) => [node.nodeId, node]));
  const order = [];
  const visit = (node, within) => {
    if (!node)
      return;
    const role = node.role ? node.role.value : '';
    const named = { name: node.name ? String(node.name.value) : '', role };
    if (!node.ignored) {
      for (const property of node.properties || [])
        named[property.name] = property.value.value;
      named.value = node.value ? String(node.value.value) : '';
      named.description = node.description ? String(node.description.value) : '';
      named.within = within;
      order.push(named);
    }
    const inner = ['region', 'dialog', 'alertdialog'].includes(role) ? [...within, named.name] : within;
    for (const child of node.childIds || [])
      visit(byId.get(child), inner);
  };
  visit(nodes.find((node) => !node.parentId), []);
  return order;
}

// The controls of one window, in reading order.
const inWindow = (order, title) => order.filter((node) => node.within.includes(title));
const ofRole = (nodes, role) => nodes.filter((node) => node.role === role);

// Turned on as a screen reader user does: the visually hidden button Qt puts before each
// window, activated from the screen reader's own cursor.
async function turnOn(page) {
  const found = await page.evaluate(() => {
    const root = document.querySelector('#qt-shadow-container').shadowRoot;
    const button = [...root.querySelectorAll('button')].find((b) => b.innerText === 'Enable Screen Reader');
    button?.click();
    return Boolean(button);
  });
  if (!found)
    throw new Error('no "Enable Screen Reader" button in the page');
  await page.waitForTimeout(500);
}

// Clicks an object's element, as a screen reader does when the player activates it.
async function activate(page, role, name) {
  const clicked = await page.evaluate(([role, name]) => {
    const root = document.querySelector('#qt-shadow-container').shadowRoot;
    const found = [...root.querySelectorAll('.qt-window-a11y-container *')].find((element) => {
      const label = element.getAttribute('aria-label') || element.textContent;
      const kind = element.getAttribute('role') || (element.type === 'checkbox' ? 'checkbox' : element.localName);
      return label === name && kind === role;
    });
    found?.click();
    return Boolean(found);
  }, [role, name]);
  if (!clicked)
    throw new Error(`no ${role} element named "${name}"`);
  await page.waitForTimeout(400);
}

module.exports = { readingOrder, inWindow, ofRole, turnOn, activate };
