// The menu bar, built by the C++ side menu by menu, and kept by the mouse and the keys as a
// desktop program's menu bar is; a chosen item is the game's command.
'use strict';

(() => {
  const menubar = shared.menubar;
  const menus = [];

  function menuItems(menu) {
    return [...menu.popup.querySelectorAll('[role=menuitem]')];
  }

  function closeMenus() {
    for (const menu of menus) {
      menu.title.setAttribute('aria-expanded', 'false');
      menu.popup.hidden = true;
    }
  }

  function openMenu(index, focusItem) {
    closeMenus();
    const menu = menus[(index + menus.length) % menus.length];
    menu.title.setAttribute('aria-expanded', 'true');
    menu.popup.hidden = false;
    const items = menuItems(menu);
    if (focusItem !== null && items.length > 0) {
      items[(focusItem + items.length) % items.length].focus();
    } else {
      menu.title.focus();
    }
  }

  function focusTitle(index) {
    const menu = menus[(index + menus.length) % menus.length];
    for (const other of menus) {
      other.title.tabIndex = other === menu ? 0 : -1;
    }
    menu.title.focus();
  }

  // F10 takes the keyboard to the first menu's title; false where the bar has no menu to take it.
  function focusMenuBar() {
    if (menus.length === 0) {
      return false;
    }
    focusTitle(0);
    return true;
  }

  function runCommand(command) {
    closeMenus();
    if (shared.started) {
      shared.callWaiting('WebCommand', [command]);
    }
  }

  // Arrow keys move along the bar and within a menu, Enter, Space and the down arrow open a menu,
  // Esc closes it; as in a desktop program's menu bar.
  function menuKey(event, index) {
    const menu = menus[index];
    const open = !menu.popup.hidden;
    const items = menuItems(menu);
    const at = items.indexOf(document.activeElement);
    const keys = {
      ArrowRight: () => (open ? openMenu(index + 1, 0) : focusTitle(index + 1)),
      ArrowLeft: () => (open ? openMenu(index - 1, 0) : focusTitle(index - 1)),
      ArrowDown: () => openMenu(index, at < 0 ? 0 : at + 1),
      ArrowUp: () => openMenu(index, at < 0 ? -1 : at - 1),
      Home: () => open && items[0].focus(),
      End: () => open && items[items.length - 1].focus(),
      // The first Esc closes the menu, the next leaves the menu bar for the board.
      Escape: () => {
        if (open) {
          closeMenus();
          focusTitle(index);
        } else {
          shared.focusBoard();
        }
      },
    };
    if (at < 0) {
      keys.Enter = keys[' '] = keys.ArrowDown;
    }
    const action = keys[event.key];
    if (action) {
      event.preventDefault();
      event.stopPropagation();
      action();
    }
  }

  document.addEventListener('pointerdown', (event) => {
    if (!menubar.contains(event.target)) {
      closeMenus();
    }
  });

  Object.assign(shared, {focusMenuBar, runCommand});
  Object.assign(Page, {
    addMenu(title) {
      const index = menus.length;
      const entry = document.createElement('li');
      entry.setAttribute('role', 'none');
      const heading = document.createElement('button');
      heading.textContent = title;
      heading.id = `menu-${index}`;
      heading.setAttribute('role', 'menuitem');
      heading.setAttribute('aria-haspopup', 'menu');
      heading.setAttribute('aria-expanded', 'false');
      heading.tabIndex = index === 0 ? 0 : -1;
      const popup = document.createElement('ul');
      popup.setAttribute('role', 'menu');
      popup.setAttribute('aria-labelledby', heading.id);
      popup.hidden = true;
      entry.append(heading, popup);
      menubar.append(entry);
      menus.push({title: heading, popup});
      heading.addEventListener('click', () =>
        popup.hidden ? openMenu(index, null) : closeMenus(),
      );
      heading.addEventListener('pointerenter', () => {
        if (menus.some((menu) => !menu.popup.hidden) && popup.hidden) {
          openMenu(index, null);
        }
      });
      entry.addEventListener('keydown', (event) => menuKey(event, index));
      return index;
    },
    addMenuItem(menu, text, command) {
      const entry = document.createElement('li');
      entry.setAttribute('role', 'none');
      const item = document.createElement('button');
      item.setAttribute('role', 'menuitem');
      item.tabIndex = -1;
      item.textContent = text;
      item.addEventListener('click', () => runCommand(command));
      entry.append(item);
      menus[menu].popup.append(entry);
    },
    addSeparator(menu) {
      const entry = document.createElement('li');
      entry.setAttribute('role', 'separator');
      menus[menu].popup.append(entry);
    },
  });
})();
